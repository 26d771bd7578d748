#pragma once

#include <QStringList>

// The thirteen texts of the ending window, top to bottom; the last is
// "The FiN". The terminal front end prints the same texts.
QStringList TextosFinal();
