#pragma once

#include <QString>

#include <optional>

// Reads the command line that both programs share and sets the game up for
// it: the installed pictures beside the program, and where the saved game is
// kept. Returns the exit status when the program should end at once: after
// --help or --version, or on a wrong argument, which prints the help on
// standard error.
std::optional<int> LeerLineaDeOrdenes(const QString& descripcion);
