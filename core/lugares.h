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

// The place's name as a player reads it, e.g. "Segunda cocina"; empty for
// a number that is no place.
QStringView NombreDe(qint16 lugar);
