// The game in a terminal: orders on standard input, the message list on
// standard output. ":ayuda" lists the clicks and keys of the game window.
#include "app/linea_de_ordenes.h"
#include "texto/ayuda.h"
#include "texto/lector.h"
#include "plataforma/senales.h"
#include "texto/terminal.h"

#include <QCoreApplication>

#include <iostream>
#include <string>

int main(int argc, char* argv[])
{
    IgnorarLimiteDeTamano();
    QCoreApplication aplicacion(argc, argv);
    if (const auto fin = LeerLineaDeOrdenes(QStringLiteral(
            "El monje Talpín en un terminal: las órdenes por la entrada estándar, las\n"
            "respuestas por la salida estándar. Escribe :ayuda para ver los comandos.")))
        return *fin;
    Terminal terminal;
    Lector lector;
    if (lector.Editable())
        EscribirBienvenida(std::cout);
    terminal.MostrarLista(std::cout);
    std::string linea;
    for (;;) {
        if (!lector.Leer(linea))
            break;
        if (!terminal.Ejecutar(linea, std::cout, std::cerr))
            break;
    }
    return 0;
}
