// talpin-texto for node: the lines of standard input played as talpin-texto
// plays them from a pipe, with the same terminal code. The files are the
// working directory's own: the saved game "partida" and graficos/.
#include "texto/terminal.h"

#include <emscripten.h>
#include <sys/stat.h>

#include <iostream>
#include <string>

int main()
{
    // Emscripten's own umask masks everything, so a new "partida" would have
    // no permissions at all: take the node process's, as a native program has.
    ::umask(mode_t(EM_ASM_INT({ return process.umask(); })));
    Terminal terminal;
    terminal.MostrarLista(std::cout);
    std::string linea;
    while (std::getline(std::cin, linea))
        if (!terminal.Ejecutar(linea, std::cout, std::cerr))
            break;
    return 0;
}
