#include "texto/lector.h"

#include <unistd.h>

#include <readline/history.h>
#include <readline/readline.h>

#include <cstdlib>
#include <iostream>
#include <memory>

namespace {

const char indicadorOrden[] = "> ";

} // namespace

Lector::Lector()
    : editable(isatty(STDIN_FILENO) && isatty(STDOUT_FILENO)), indicador(isatty(STDIN_FILENO))
{
    if (!editable)
        return;
    rl_readline_name = "talpin-texto"; // for $if in ~/.inputrc
    rl_initialize();
    // Tab would complete the names of files in the working folder.
    rl_inhibit_completion = 1;
    // Pasted orders run one a line, as from a pipe; and at Ctrl-D the caret
    // stays after the prompt for the line break below.
    rl_variable_bind("enable-bracketed-paste", "off");
    using_history();
}

bool Lector::Leer(std::string& linea)
{
    if (!editable) {
        if (indicador)
            std::cout << indicadorOrden << std::flush;
        return static_cast<bool>(std::getline(std::cin, linea));
    }

    std::cout << std::flush;
    const std::unique_ptr<char, decltype(&std::free)> leida(readline(indicadorOrden), &std::free);
    if (!leida) {
        // Ctrl-D: leave the shell's prompt a line of its own.
        std::cout << std::endl;
        return false;
    }
    linea = leida.get();
    // Kept for Up and Down, for this session only; an order repeated at once
    // is kept once.
    const HIST_ENTRY* anterior = history_get(history_base + history_length - 1);
    if (!linea.empty() && (!anterior || linea != anterior->line))
        add_history(leida.get());
    return true;
}
