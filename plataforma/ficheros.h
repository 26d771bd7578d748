#pragma once

#include <cstddef>
#include <optional>
#include <string>

// Opens the file for reading when its name is a regular file; -1 otherwise.
// A FIFO, a device or a folder is refused at once, as an unreadable file:
// opening a FIFO waits for a writer that may never come, and a device may
// never end.
int AbrirFicheroNormal(const std::string& ruta);

// The whole regular file at `ruta`, or nothing when it can't be read. Only
// `maximo` + 1 bytes are read, so a caller can tell an outsized file.
std::optional<std::string> LeerFicheroNormal(const std::string& ruta, std::size_t maximo);
