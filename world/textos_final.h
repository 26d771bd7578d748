#pragma once

#include <array>
#include <string_view>

// The thirteen texts of the ending window, top to bottom; the last is
// "The FiN". The terminal front end prints the same texts.
extern const std::array<std::u16string_view, 13> TextosFinal;
