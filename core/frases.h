#pragma once

#include "core/juego.h"

#include <QStringView>

#include <array>

// What a recognised phrase does: run an action of the world, or walk to
// another place.
struct Accion {
    constexpr Accion(void (Juego::*procedimiento)()) : procedimiento(procedimiento) {}
    constexpr explicit Accion(Lugar destino) : destino(destino) {}

    void (Juego::*procedimiento)() = nullptr;
    Lugar destino{};
};

constexpr Accion Ir(Lugar destino) { return Accion(destino); }

// Rows valid in every place carry this instead of a place.
constexpr qint16 Cualquiera = 0;

struct Frase {
    QStringView frase;
    qint16 lugar;
    Accion accion;
};

// In test order: first the rows valid in every place, then each place's rows
// with its moves last. The first row that an order says decides.
extern const std::array<Frase, 95> TablaFrases;
