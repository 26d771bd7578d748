#pragma once

#include <QString>

// The story so far, as Talpín tells it on the title window.
QString Historia();
