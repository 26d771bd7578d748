#pragma once

#include "core/ventana_memoria.h"

// The game window as a terminal sees it: kept in memory, and each picture
// shown read from graficos/, so that one missing is told on stderr.
class VentanaTexto final : public VentanaMemoria {
public:
    void CargarImagen(Imagen imagen, std::u16string_view fichero) override;
};
