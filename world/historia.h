#pragma once

#include "core/historia.h"

// The story of the monk Talpín, for every front end to hand to its game.
const Historia& ElMonjeTalpin();
