#pragma once

#include <string>
#include <string_view>

// The two picture controls that the game changes.
enum class Imagen {
    Personaje, // Image2: the character of the current place
    Lugar,     // Image3: the place itself
};

// What the game needs from the window it is played in. The desktop window,
// the terminal front end, the page and the tests each implement it.
class Ventana {
public:
    virtual ~Ventana() = default;

    // Message list `List1`.
    virtual void VaciarLista() = 0;
    virtual void AnadirLinea(std::u16string_view linea) = 0;

    // Command box `ordenes`. Setting the text leaves the caret at the start
    // with nothing selected; inserting replaces the selection, if any, and
    // leaves the caret after the inserted text.
    virtual std::u16string LeerOrdenes() const = 0;
    virtual void PonerOrdenes(std::u16string_view texto) = 0;
    virtual void InsertarOrdenes(std::u16string_view texto) = 0;

    // Loads the picture of that name from graficos/. A missing picture is
    // the window's business; the game goes on without it.
    virtual void CargarImagen(Imagen imagen, std::u16string_view fichero) = 0;
    virtual void MostrarPersonaje(bool visible) = 0;

    // The winning order: hide the game and show the ending.
    virtual void MostrarFinal() = 0;
    // Esc: the goodbye box with this text, then the end of the program.
    virtual void Despedirse(std::u16string_view despedida) = 0;
};
