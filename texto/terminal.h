#pragma once

#include "core/juego.h"
#include "plataforma/fichero_partida.h"
#include "texto/ventana_texto.h"

#include <iosfwd>
#include <string_view>

// The game played line by line: orders, and ":" commands for the clicks and
// keys of the game window.
class Terminal {
public:
    // Starts the game, as the game window's load handler does.
    Terminal();

    // Writes the message list as it stands, then an empty line, as after an
    // input line: at start, the opening.
    void MostrarLista(std::ostream& salida) const;

    // Runs one input line, in UTF-8, and writes what the player sees. False
    // once the game is over.
    bool Ejecutar(std::string_view linea, std::ostream& salida, std::ostream& errores);

private:
    bool Comando(std::u16string_view comando, std::ostream& salida, std::ostream& errores);

    VentanaTexto ventana;
    FicheroPartida partida;
    Juego juego;
};
