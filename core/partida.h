#pragma once

#include "core/almacen.h"
#include "core/estado.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The saved game: a line of the sixteen fields of GameState, each as a sign
// position, its digits and a blank, ended by CR LF.
std::string TextoPartida(const GameState& estado);

// No save is longer than a line of about a hundred bytes: anything much
// longer is no save, and reading it all would freeze the game.
constexpr std::size_t tamanoMaximoPartida = 64 * 1024;

// Reads a saved game back, all or nothing: sixteen whole numbers in 16-bit
// range separated by blanks, line breaks or one comma, with a place of 1 to 9.
// Whatever follows the sixteenth number is ignored, but a text longer than
// tamanoMaximoPartida is refused.
std::optional<GameState> LeerPartida(std::string_view texto);

// The saved game the store keeps, read as above; nothing when there is none.
std::optional<GameState> LeerPartida(Almacen& almacen);
