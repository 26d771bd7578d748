// The game in a terminal: orders on standard input, the message list on
// standard output. ":ayuda" lists the clicks and keys of the game window.
#include "core/senales.h"
#include "texto/terminal.h"

#include <QCoreApplication>

#include <unistd.h>

#include <iostream>
#include <string>

int main(int argc, char* argv[])
{
    IgnorarLimiteDeTamano();
    QCoreApplication aplicacion(argc, argv);
    Terminal terminal;
    const bool interactivo = isatty(STDIN_FILENO);
    std::string linea;
    for (;;) {
        if (interactivo)
            std::cout << "> " << std::flush;
        if (!std::getline(std::cin, linea))
            break;
        if (!terminal.Ejecutar(QString::fromUtf8(linea), std::cout, std::cerr))
            break;
    }
    return 0;
}
