#pragma once

#include "core/almacen.h"
#include "core/estado.h"
#include "core/historia.h"
#include "core/ventana.h"

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

// The keys of the command box that the game answers.
constexpr int TeclaIntro = 13;
constexpr int TeclaEsc = 27;

// The verb pictures of the game window, left to right.
enum class Verbo { Hablar, Mirar, Usar, Mentir, Coger };

// The game behind the game window: its state, the handlers of the window's
// events, and what the story's actions do with them.
class Juego {
public:
    Juego(Ventana& ventana, Almacen& almacen, const Historia& historia);

    GameState estado;

    // Events of the game window.
    void Empezar();                 // first showing of the window
    void Tecla(int codigo);         // a key typed into the command box
    void PulsarVerbo(Verbo verbo);  // a verb picture
    void DescribirLugar();          // the place picture
    void Salidas();
    void Objetos();
    void PulsarPersonaje();         // the character picture, while visible
    void Limpiar();
    void Guardar();
    void Cargar();

    // Who stands in the current place, e.g. "Fray Supremus"; empty where nobody does.
    std::u16string_view NombrePersonaje() const;
    // The current place's name, e.g. "Segunda cocina"; empty before the game starts.
    std::u16string_view NombreLugar() const;

    // Command processing.
    void Interpretar();
    void NoEntendido();
    void Mover(Lugar destino);

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

private:
    const Escena* EscenaActual() const;
    const Personaje* PersonajeActual() const;

    Almacen& almacen;
    const Historia& historia;
    // The letters of each phrase of the table, in its order.
    std::vector<std::uint64_t> letrasDeFrases;
};
