#pragma once

#include "core/ventana.h"

#include <cstddef>
#include <string>
#include <vector>

// The game window as a terminal sees it: the list, the command box with its
// caret, and the names of the pictures shown.
class VentanaTexto final : public Ventana {
public:
    void VaciarLista() override;
    void AnadirLinea(std::u16string_view linea) override;
    std::u16string LeerOrdenes() const override;
    void PonerOrdenes(std::u16string_view texto) override;
    void InsertarOrdenes(std::u16string_view texto) override;
    void CargarImagen(Imagen imagen, std::u16string_view fichero) override;
    void MostrarPersonaje(bool visible) override;
    void MostrarFinal() override;
    void Despedirse(std::u16string_view despedida) override;

    std::vector<std::u16string> lista;
    std::u16string ordenes;
    std::size_t cursor = 0;
    std::u16string image3;
    std::u16string image2; // empty while it shows the stored picture
    bool personajeVisible = true;
    bool final = false;
    std::u16string despedida; // set by Esc
};
