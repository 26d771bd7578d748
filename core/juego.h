#pragma once

#include "core/estado.h"
#include "core/ventana.h"

#include <QStringView>

#include <initializer_list>

// The keys of the command box that the game answers.
constexpr int TeclaIntro = 13;
constexpr int TeclaEsc = 27;

// The verb pictures of the game window, left to right.
enum class Verbo { Hablar, Mirar, Usar, Mentir, Coger };

// The game behind the game window: its state, the handlers of the window's
// events and every action of the world. The actions live in world/, one file
// per area of the house; the views and the saved game in ui/.
class Juego {
public:
    explicit Juego(Ventana& ventana);

    GameState estado;

    // Events of the game window.
    void Empezar();                 // first showing of the window
    void Tecla(int codigo);         // a key typed into the command box
    void PulsarVerbo(Verbo verbo);  // a verb picture
    void DescribirLugar();          // the place picture
    void Salidas();
    void Objetos();
    void PulsarPersonaje();         // the character picture, while visible
    // Who stands in the current place, e.g. "Fray Supremus"; empty where nobody does.
    QString NombrePersonaje() const;
    void Limpiar();
    void Guardar();
    void Cargar();

    // Command processing.
    void Interpretar();
    void NoEntendido();
    void Mover(Lugar destino);
    // The pictures of the place where the protagonist now stands.
    void MostrarFotosDelLugar();

    // The street.
    void HablarFrayCabronus();
    void MentirFrayCabronus();
    void MirarFrayCabronus();
    void UsarCondonesFrayCabronus();
    void CogerAstilla();
    void MirarAstilla();
    void MirarPersiana();
    void UsarVentana();
    void MirarVentana();
    void MirarPuerta();
    void MirarGaraje();
    void UsarGaraje();
    void Abrir();

    // The first kitchen and Fray Supremus.
    void HablarFraySupremus();
    void MirarFraySupremus();
    void MentirFraySupremus();
    void UsarAstillaFraySupremus();
    void MirarPuertaIzquierda();
    void UsarPuertaCocina();
    void MirarChimenea();
    void CogerHierro();
    void MirarArmarioCocina();
    void CogerGuantes();
    void MirarExpositor();
    void CogerCayena();
    void MirarHierro();
    void MirarCayena();
    void MirarGuantes();
    void UsarAstillaCayena();

    // The garage and the gate.
    void CogerArena();
    void MirarArena();
    void UsarArena();
    void CogerCondones();
    void MirarPiedra();
    void CogerPiedra();
    void MirarCondones();
    void UsarVerja();
    void MirarVerja();

    // The second kitchen and the yard.
    void CalentarCondones();
    void MirarMicroondas();
    void MirarVerjaPatio();
    void UsarVerjaPatio();
    void UsarPozo();
    void MirarPozo();
    void CogerManzana();
    void UsarSaco();
    void MirarSaco();
    void MirarExtrano();
    void MentirExtrano();
    void HablarExtrano();
    void MirarManzana();

    // The washroom, the dining room, the bedroom and the truth serum.
    void CogerJabon();
    void MirarJabon();
    void TirarManzana();
    void TirarSalfuman();
    void TirarJabon();
    void MirarBotijo();
    void MirarArmarioDormitorio();
    void MirarMuneco();
    void UsarMuneco();
    void CogerMuneco();
    void MirarReceta();
    void MirarSalfuman();
    void UsarMovil();
    void Suero();

private:
    // The pattern of every answer: empty the list, append the lines, empty
    // the command box.
    void Responder(std::initializer_list<QStringView> lineas);

    // One line while the field is 0, another while it is 1, and none for
    // any other value (only a hand-edited saved game holds one).
    void ResponderSegun(qint16 campo, QStringView con0, QStringView con1);

    void Quemadura();
    void Verter(qint16& objeto, QStringView vertido, QStringView yaVertido);

    Ventana& ventana;
};
