#pragma once

#include <optional>
#include <string>
#include <string_view>

// Where the one saved game is kept: a file on the desktop and in the
// terminal, the browser's storage in the page. The game hands over the
// whole saved line and asks for it back; what it holds is the game's.
class Almacen {
public:
    virtual ~Almacen() = default;

    // Keeps this line in place of the one before, whole or not at all;
    // false when it could not.
    virtual bool Guardar(std::string_view linea) = 0;

    // The line kept, or nothing when there is none or it can't be read.
    virtual std::optional<std::string> Leer() = 0;
};
