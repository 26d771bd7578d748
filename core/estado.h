#pragma once

#include <QtGlobal>

#include <array>

// The nine places, by the value held in `lugar`.
enum Lugar : qint16 {
    Calle = 1,
    Cocina,
    Garaje,
    SegundaCocina,
    Verja,
    Patio,
    Aseo,
    Comedor,
    Dormitorio,
};

// Whether `lugar` holds one of the nine places; before the game starts it
// holds 0.
constexpr bool EsLugar(qint16 lugar)
{
    return lugar >= Calle && lugar <= Dormitorio;
}

// The whole memory of a game in progress. The field order is also the
// order of the saved game.
struct GameState {
    qint16 lugar = 0;
    qint16 astilla = 0;
    qint16 hierro = 0;
    qint16 cayena = 0;
    qint16 guantes = 0;
    qint16 condones = 0;
    qint16 astillaPicante = 0;
    qint16 supremusPinchado = 0;
    qint16 condonesCalientes = 0;
    qint16 movil = 0;
    qint16 jabon = 0;
    qint16 ingredientes = 0;
    qint16 receta = 0;
    qint16 manzana = 0;
    qint16 salfuman = 0;
    qint16 numeroPozo = 0;

    static constexpr std::array<qint16 GameState::*, 16> campos = {
        &GameState::lugar,         &GameState::astilla,
        &GameState::hierro,        &GameState::cayena,
        &GameState::guantes,       &GameState::condones,
        &GameState::astillaPicante, &GameState::supremusPinchado,
        &GameState::condonesCalientes, &GameState::movil,
        &GameState::jabon,         &GameState::ingredientes,
        &GameState::receta,        &GameState::manzana,
        &GameState::salfuman,      &GameState::numeroPozo,
    };

    friend bool operator==(const GameState&, const GameState&) = default;
};
