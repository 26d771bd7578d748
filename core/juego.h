#pragma once

#include "core/almacen.h"
#include "core/estado.h"
#include "core/historia.h"
#include "core/mandos.h"
#include "core/ventana.h"

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

// The game behind the game window: its state, the handlers of the window's
// events, and what the story's actions do with them.
class Juego {
public:
    Juego(Ventana& ventana, Almacen& almacen, const Historia& historia);

    GameState estado;

    // Events of the game window.
    void Empezar();           // first showing of the window
    void Pulsar(Mando mando); // a control the game answers
    bool Guardar();           // whether the line was kept
    bool Cargar();            // whether a game was loaded

    // Who stands in the current place, e.g. "Fray Supremus"; empty where nobody does.
    std::u16string_view NombrePersonaje() const;
    // The current place's name, e.g. "Segunda cocina"; empty before the game starts.
    std::u16string_view NombreLugar() const;

    // For the story's actions.
    Ventana& ventana;
    // The pictures of the place where the protagonist now stands.
    void MostrarFotosDelLugar();
    // The pattern of every answer: empty the list, append the lines, empty
    // the command box.
    void Responder(std::initializer_list<std::u16string_view> lineas);
    // One line while the field is 0, another while it is 1, and none for
    // any other value (only a hand-edited saved game holds one).
    void ResponderSegun(std::int16_t campo, std::u16string_view con0, std::u16string_view con1);
    // The answer to an order that says no phrase of the place.
    void NoEntendido();

private:
    // The handlers of the controls.
    void PulsarVerbo(Mando verbo);
    void DescribirLugar();
    void Salidas();
    void Objetos();
    void PulsarPersonaje(); // while the picture is visible
    void Limpiar();
    void Interpretar(); // Enter

    void Mover(Lugar destino);
    const Escena* EscenaActual() const;
    const Personaje* PersonajeActual() const;

    Almacen& almacen;
    const Historia& historia;
    // The letters of each phrase of the table, in its order.
    std::vector<std::uint64_t> letrasDeFrases;
};
