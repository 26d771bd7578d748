#pragma once

#include "core/ventana.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The game window kept in memory, for the terminal, the tests and the fuzz
// targets: what the list, the command box with its caret and the two
// pictures hold, and how the game ended.
class VentanaMemoria : public Ventana {
public:
    void VaciarLista() override { lista.clear(); }
    void AnadirLinea(std::u16string_view linea) override { lista.emplace_back(linea); }
    std::u16string LeerOrdenes() const override { return ordenes; }
    void PonerOrdenes(std::u16string_view texto) override
    {
        ordenes = texto;
        cursor = 0;
    }
    void InsertarOrdenes(std::u16string_view texto) override
    {
        ordenes.insert(cursor, texto);
        cursor += texto.size();
    }
    void CargarImagen(Imagen imagen, std::u16string_view fichero) override
    {
        (imagen == Imagen::Personaje ? image2 : image3) = fichero;
    }
    void MostrarPersonaje(bool visible) override { personajeVisible = visible; }
    void MostrarFinal() override { final = true; }
    void Despedirse(std::u16string_view texto) override { despedida = texto; }

    // Won, or left with Esc.
    bool Terminado() const { return final || !despedida.empty(); }

    std::vector<std::u16string> lista;
    std::u16string ordenes;
    std::size_t cursor = 0;
    std::u16string image3;
    std::u16string image2; // empty while it shows the picture the window opened with
    bool personajeVisible = true;
    bool final = false;
    std::u16string despedida; // set by Esc
};
