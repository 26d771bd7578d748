#pragma once

#include "core/historia.h"

#include <array>

// One row per recognised phrase: phrase, where it is tested, what it does.
extern const std::array<Frase, 95> TablaFrases;
