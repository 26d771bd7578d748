#pragma once

#include <iosfwd>

// What a player at a terminal is told about how to play.

// Before the opening, on a terminal only.
void EscribirBienvenida(std::ostream& salida);

// The answer to ":ayuda": how to give orders, and the commands that stand for
// the clicks and keys of the game window.
void EscribirAyuda(std::ostream& salida);
