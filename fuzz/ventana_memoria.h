#pragma once

#include "core/ventana.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The game window kept in memory, and nothing read from disk: what the list,
// the command box with its caret and the two pictures hold.
class VentanaMemoria final : public Ventana {
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
    void MostrarFinal() override { terminado = true; }
    void Despedirse(std::u16string_view) override { terminado = true; }

    std::vector<std::u16string> lista;
    std::u16string ordenes;
    std::size_t cursor = 0;
    std::u16string image3;
    std::u16string image2; // empty while it shows the picture the window opened with
    bool personajeVisible = true;
    bool terminado = false;
};
