#pragma once

#include <span>
#include <string>
#include <string_view>

// The four windows as their designer laid them out: each control's name,
// box, face and caption. The desktop windows and the page read the same
// table, so a control moves or changes its caption in one place.

// 1440 twips make an inch: 15 a pixel at 96 dots per inch, 20 a point.
constexpr int twipsPorPixel = 15;
constexpr int twipsPorPunto = 20;

// Twips as whole pixels at 96 dots per inch.
constexpr int Px(int twips) { return (twips * 2 + twipsPorPixel) / (2 * twipsPorPixel); }

// A box in twips (15 twips make one pixel at 96 dots per inch), from the
// top left corner of the window's client area, or of the frame holding it.
struct Recuadro {
    int izquierda = 0, arriba = 0, ancho = 0, alto = 0;
};

// A thin straight line, across or down, from one point to another, in twips.
struct Trazo {
    int x1, y1, x2, y2;
};

// A face by its Windows name (ui/ and the page choose the free face that
// stands in for it), its size in points.
struct Tipo {
    std::string_view cara;
    double puntos;
    bool negrita = false;
    bool cursiva = false;
};

// The classic Windows colours the windows were designed with.
struct Color {
    int rojo, verde, azul;
};
inline constexpr Color colorFondo{212, 208, 200}; // inactive title-bar text
inline constexpr Color colorSombra{64, 64, 64};   // dark 3-D shadow

enum class Clase {
    Foto,      // a picture, the size of its picture
    Rotulo,    // a one-line label
    Parrafo,   // a label that wraps its text within its box
    Marco,     // a frame with its caption across the top edge
    Boton,
    Lista,     // the message list
    Caja,      // the one-line command box
    Menu,      // a menu of the menu bar, and its items after it
    Opcion,
};

struct Control {
    std::string_view nombre; // the object name, e.g. "Image2"
    Clase clase;
    Recuadro caja = {};
    std::u16string_view texto = {};   // caption; "&" marks the access key
    const Tipo* tipo = nullptr;       // the window's own face when null
    std::string_view fichero = {};    // the stored picture it starts with
    std::u16string_view leido = {};   // what a screen reader says, where the caption doesn't
    std::u16string_view descripcion = {};
    std::string_view dentro = {};     // the frame or menu that holds it
    std::string_view de = {};         // the control a label names
    bool sombra = false;              // a heading in the dark shadow colour
    bool clic = false;                // a picture that does something when pressed
    bool soloPagina = false;          // the page's alone: the browser's saved game to and from a file
    bool marcable = false;            // an item that is on or off, with a check mark
};

// The most characters the command box `ordenes` takes, Qt's line edit's own
// limit.
constexpr int largoMaximoOrden = 32767;

struct Pantalla {
    std::string_view nombre;          // "Principal", "Primero", "SobreAutor", "Final"
    std::u16string_view titulo;
    int ancho, alto;                  // of the client area, in twips
    Tipo tipo;                        // the window's own face
    std::span<const Control> controles;
    std::span<const Trazo> trazos;
    std::span<const std::string_view> orden; // the keyboard's order, where it is not the table's
};

const Pantalla& PantallaPrincipal();
const Pantalla& PantallaPrimero();
const Pantalla& PantallaSobreAutor();
const Pantalla& PantallaFinal();

// A picture's double-size twin, for dense screens: "uno2.jpg" becomes
// "uno2@2x.jpg".
std::string NombreDoble(std::string_view nombre);

// The control of that name; the table has it (a name that is not there is a
// fault of the program, and stops it).
const Control& Buscar(const Pantalla& pantalla, std::string_view nombre);

// A message box: its title, its text where the table fixes it, and whether
// it shows the exclamation icon of a warning.
struct Mensaje {
    std::u16string_view titulo;
    std::u16string_view texto = {};
    bool exclamacion = false;
};

const Mensaje& MensajeAcercaDe();   // the title window's about box
const Mensaje& MensajeSalir();      // the goodbye box of Esc; the game gives its text

// The only button of a message box, as Qt's Spanish translation names it.
std::u16string_view Aceptar();
