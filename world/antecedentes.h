#pragma once

#include <string_view>

// The story so far, as Talpín tells it on the title window.
std::u16string_view Antecedentes();
