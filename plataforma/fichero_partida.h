#pragma once

#include "core/almacen.h"

#include <string>

// The one saved game as the file "partida" in the working directory, or in
// the folder set below. A save replaces the file whole or leaves it as it
// was; a load reads only a regular file, and no more than a save can hold.
class FicheroPartida final : public Almacen {
public:
    bool Guardar(std::string_view linea) override;
    std::optional<std::string> Leer() override;
};

// Keeps the saved game in this folder instead of the working directory; the
// first save makes the folder.
void PonerCarpetaPartida(const std::string& carpeta);
