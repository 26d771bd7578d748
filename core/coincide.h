#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// True when every word of `frase` occurs in `orden`, both in upper case.
// Every word but the last keeps its trailing blank, so «POZO MIRAR» does not
// say "MIRAR POZO" while «POZO MIRAR » does. Words are pieces of text:
// "MIRAR MUÑEC" is said by «mirar muñeca».
bool Coincide(std::u16string_view frase, std::u16string_view orden);

// The same answer for a phrase and an order that are upper case already, so
// that an order is upper-cased once for the whole phrase table.
bool CoincideEnMayusculas(std::u16string_view frase, std::u16string_view orden);

// Which letters a text holds, as bits: a phrase whose bits the order lacks
// cannot be said by it, and is passed over without a search.
std::uint64_t Letras(std::u16string_view texto);

// The order in upper case, as far as matching can tell: every letter whose
// capital holds a Latin capital (a, ñ, but also ß as "SS", ı as "I", ﬁ as
// "FI") is mapped as Unicode maps it, all else stays as typed, since it can
// match no phrase either way.
std::u16string Mayusculas(std::u16string_view texto);
