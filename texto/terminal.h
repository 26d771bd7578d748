#pragma once

#include "core/juego.h"
#include "texto/ventana_texto.h"

#include <iosfwd>

// The game played line by line: orders, and ":" commands for the clicks and
// keys of the game window.
class Terminal {
public:
    Terminal();

    // Runs one input line and writes what the player sees. False once the
    // game is over.
    bool Ejecutar(QString linea, std::ostream& salida, std::ostream& errores);

private:
    bool Comando(const QString& comando, std::ostream& salida, std::ostream& errores);

    VentanaTexto ventana;
    Juego juego;
};
