#pragma once

#include <string>
#include <string_view>

// The game's texts are UTF-16; terminals, files and the page speak UTF-8.
// A malformed byte becomes U+FFFD, a leading byte-order mark is dropped, and
// a lone surrogate is written as "?".
std::string Utf8(std::u16string_view texto);
std::u16string Utf16(std::string_view texto);
