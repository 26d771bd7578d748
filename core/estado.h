#pragma once

#include <cstdint>

#include <array>

// The nine places, by the value held in `lugar`.
enum Lugar : std::int16_t {
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
constexpr bool EsLugar(std::int16_t lugar)
{
    return lugar >= Calle && lugar <= Dormitorio;
}

// The whole memory of a game in progress. The field order is also the
// order of the saved game.
struct GameState {
    std::int16_t lugar = 0;
    std::int16_t astilla = 0;
    std::int16_t hierro = 0;
    std::int16_t cayena = 0;
    std::int16_t guantes = 0;
    std::int16_t condones = 0;
    std::int16_t astillaPicante = 0;
    std::int16_t supremusPinchado = 0;
    std::int16_t condonesCalientes = 0;
    std::int16_t movil = 0;
    std::int16_t jabon = 0;
    std::int16_t ingredientes = 0;
    std::int16_t receta = 0;
    std::int16_t manzana = 0;
    std::int16_t salfuman = 0;
    std::int16_t numeroPozo = 0;

    static constexpr std::array<std::int16_t GameState::*, 16> campos = {
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
