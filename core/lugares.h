#pragma once

#include "core/estado.h"

#include <QStringView>

// The pictures of a place and of the character who stands there (none when
// empty), as movement names them.
struct Fotos {
    QStringView lugar;
    QStringView personaje;
};

const Fotos& FotosDe(Lugar lugar);
