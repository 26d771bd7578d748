#pragma once

#include "core/historia.h"

#include <array>

extern const std::array<Escena, 9> Escenas;
extern const std::array<Llegada, 14> Llegadas;
extern const std::array<Personaje, 3> Personajes;

// The OBJETOS list: one line per object carried.
void ListarObjetos(const GameState& estado, Ventana& ventana);
