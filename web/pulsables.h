#pragma once

#include "core/juego.h"

#include <string_view>

// The game window's controls whose press goes to the game. The page numbers
// them by their place here.
struct Pulsable {
    std::string_view nombre;
    void (*pulsar)(Juego& juego);
};

inline constexpr Pulsable pulsables[] = {
    {"Image4", [](Juego& juego) { juego.PulsarVerbo(Verbo::Hablar); }},
    {"Image5", [](Juego& juego) { juego.PulsarVerbo(Verbo::Mirar); }},
    {"Image6", [](Juego& juego) { juego.PulsarVerbo(Verbo::Usar); }},
    {"Image7", [](Juego& juego) { juego.PulsarVerbo(Verbo::Mentir); }},
    {"Image8", [](Juego& juego) { juego.PulsarVerbo(Verbo::Coger); }},
    {"Image3", [](Juego& juego) { juego.DescribirLugar(); }},
    {"Image2", [](Juego& juego) { juego.PulsarPersonaje(); }},
    {"Guardar", [](Juego& juego) { juego.Guardar(); }},
    {"Cargar", [](Juego& juego) { juego.Cargar(); }},
    {"objetos", [](Juego& juego) { juego.Objetos(); }},
    {"Salidas", [](Juego& juego) { juego.Salidas(); }},
    {"limpiar", [](Juego& juego) { juego.Limpiar(); }},
};
