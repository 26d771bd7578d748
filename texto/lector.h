#pragma once

#include <string>

// Reads the player's lines. On a terminal (standard input and output both)
// it edits them with GNU Readline, Up and Down going through this session's
// orders; otherwise it reads plain lines, as a pipe or a file gives them.
class Lector {
public:
    Lector();

    // Whether lines are read with Readline, on a terminal.
    bool Editable() const { return editable; }

    // Reads the next line, without its line break. False at the end of the
    // input.
    bool Leer(std::string& linea);

private:
    bool editable;
    bool indicador; // prompt on standard output, typed at a terminal
};
