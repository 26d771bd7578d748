#pragma once

#include "core/estado.h"
#include "core/ventana.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

class Juego;

// What a recognised phrase does: run an action of the story, or walk to
// another place.
struct Accion {
    constexpr Accion(void (*procedimiento)(Juego&)) : procedimiento(procedimiento) {}
    constexpr explicit Accion(Lugar destino) : destino(destino) {}

    void (*procedimiento)(Juego&) = nullptr;
    Lugar destino{};
};

constexpr Accion Ir(Lugar destino) { return Accion(destino); }

// Rows valid in every place carry this instead of a place.
constexpr std::int16_t Cualquiera = 0;

struct Frase {
    std::u16string_view frase;
    std::int16_t lugar;
    Accion accion;
};

// A place: its name as a player reads it, e.g. "Segunda cocina"; its
// picture and that of the character who stands there (none when empty);
// its description, one entry per line of the list (unused ones empty); and
// its exits.
struct Escena {
    std::u16string_view nombre;
    std::u16string_view foto;
    std::u16string_view fotoPersonaje;
    std::array<std::u16string_view, 2> descripcion;
    std::u16string_view salidas;
};

// The lines told on walking from one place to another (unused ones empty).
struct Llegada {
    Lugar desde;
    Lugar hasta;
    std::array<std::u16string_view, 2> lineas;
};

// The character of a place: the name a click puts into the command box,
// with its blank, and the orders it completes.
struct Personaje {
    std::int16_t lugar;
    std::u16string_view nombre;
    void (*mirar)(Juego&);
    void (*hablar)(Juego&);
    void (*mentir)(Juego&);
};

// The texts of the game window itself, outside the phrase table.
struct TextosJuego {
    std::u16string_view apertura;
    std::u16string_view noEntendido;
    std::u16string_view despedida;
    // What each verb picture puts into the command box, in Mando order.
    std::array<std::u16string_view, 5> verbos;
    std::u16string_view cabeceraObjetos;
    std::u16string_view guardada;
    std::u16string_view noGuardada;
    std::u16string_view noCargada;
};

// Everything the engine plays: the world is data and actions, all of it
// given to the game by the story.
struct Historia {
    // In test order: first the rows valid in every place, then each place's
    // rows with its moves last. The first row that an order says decides.
    std::span<const Frase> frases;
    // By place number, from Calle.
    std::span<const Escena, 9> escenas;
    std::span<const Llegada> llegadas;
    std::span<const Personaje> personajes;
    // Appends one line per object carried.
    void (*objetos)(const GameState& estado, Ventana& ventana);
    TextosJuego textos;
};
