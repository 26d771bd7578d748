#pragma once

#include <string_view>

// The controls of the game window that the game answers: the verb pictures
// first, in the order of the story's verbs, then the place and character
// pictures, four buttons, and Enter and Esc in the command box.
// "Menú Principal" is the window's alone.
enum class Mando {
    Hablar, Mirar, Usar, Mentir, Coger, Lugar, Personaje, Salidas, Objetos, Guardar, Cargar, Limpiar, Intro, Esc
};

// Each control by its name, which the terminal's ":" commands and the page
// use, and by the window's control that presses it, as the windows' table
// names it (none for the keys).
struct NombreMando {
    Mando mando;
    std::string_view nombre;
    std::string_view control;
};

inline constexpr NombreMando nombresMandos[] = {
    {Mando::Hablar, "hablar", "Image4"},
    {Mando::Mirar, "mirar", "Image5"},
    {Mando::Usar, "usar", "Image6"},
    {Mando::Mentir, "mentir", "Image7"},
    {Mando::Coger, "coger", "Image8"},
    {Mando::Lugar, "lugar", "Image3"},
    {Mando::Personaje, "personaje", "Image2"},
    {Mando::Salidas, "salidas", "Salidas"},
    {Mando::Objetos, "objetos", "objetos"},
    {Mando::Guardar, "guardar", "Guardar"},
    {Mando::Cargar, "cargar", "Cargar"},
    {Mando::Limpiar, "limpiar", "limpiar"},
    {Mando::Intro, "enter", {}},
    {Mando::Esc, "esc", {}},
};
