#include "presentacion/pantallas.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

constexpr std::array<Trazo, 4> Rectangulo(int izquierda, int arriba, int derecha, int abajo)
{
    return {{
        {izquierda, arriba, derecha, arriba},
        {derecha, arriba, derecha, abajo},
        {izquierda, abajo, derecha, abajo},
        {izquierda, arriba, izquierda, abajo},
    }};
}

template <std::size_t... N> constexpr std::array<Trazo, (N + ...)> Unir(const std::array<Trazo, N>&... partes)
{
    std::array<Trazo, (N + ...)> todo{};
    std::size_t i = 0;
    ((std::copy(partes.begin(), partes.end(), todo.begin() + i), i += N), ...);
    return todo;
}

constexpr Tipo sansSerif{"MS Sans Serif", 8.25};
constexpr Tipo californian{"Californian FB", 10.5, true};

// The title window.

constexpr Tipo mistral{"Mistral", 13.5, true};
constexpr Tipo modern{"Modern", 10.5, true};
constexpr Tipo sansSerifNegrita{"MS Sans Serif", 9.75, true};
constexpr Tipo corsiva{"Monotype Corsiva", 24, true, true};
constexpr Tipo redondeada{"Arial Rounded MT Bold", 9.75, true};

constexpr Control controlesPrincipal[] = {
    {.nombre = "archivo", .clase = Clase::Menu, .texto = u"&Archivo"},
    {.nombre = "autor", .clase = Clase::Opcion, .texto = u"So&bre el autor", .dentro = "archivo"},
    {.nombre = "acercade", .clase = Clase::Opcion, .texto = u"A&cerca de ...", .dentro = "archivo"},
    {.nombre = "descargar",
        .clase = Clase::Opcion,
        .texto = u"Descargar partida",
        .dentro = "archivo",
        .soloPagina = true},
    {.nombre = "subir",
        .clase = Clase::Opcion,
        .texto = u"Subir partida",
        .dentro = "archivo",
        .soloPagina = true},
    // The page fits each view to the browser's window; this shows it at the
    // windows' own pixel size instead.
    {.nombre = "original",
        .clase = Clase::Opcion,
        .texto = u"Tamaño original",
        .dentro = "archivo",
        .soloPagina = true,
        .marcable = true},
    {.nombre = "alacaca", .clase = Clase::Opcion, .texto = u"&Salir", .dentro = "archivo"},
    {.nombre = "Image1",
        .clase = Clase::Foto,
        .caja = {600, 120, 1545, 2415},
        .fichero = "titulo.jpg",
        .leido = u"El monje Talpín",
        .descripcion = u"Dibujo de Talpín con un frasco en las manos"},
    {.nombre = "Label1",
        .clase = Clase::Rotulo,
        .caja = {120, 2640, 2655, 255},
        .texto = u"TROMBULIX JUEGOS    ",
        .tipo = &mistral},
    {.nombre = "Label2",
        .clase = Clase::Rotulo,
        .caja = {960, 3120, 1095, 255},
        .texto = u"Presenta ...",
        .tipo = &modern},
    {.nombre = "Frame2",
        .clase = Clase::Marco,
        .caja = {3240, 480, 6132, 3252},
        .texto = u" HISTORIA ",
        .tipo = &sansSerifNegrita},
    // The story so far, from world/.
    {.nombre = "Label5",
        .clase = Clase::Parrafo,
        .caja = {120, 360, 5892, 2772},
        .tipo = &sansSerif,
        .dentro = "Frame2"},
    {.nombre = "Label3",
        .clase = Clase::Rotulo,
        .caja = {3480, 4200, 4335, 615},
        .texto = u"EL MONJE TALPÍN",
        .tipo = &corsiva},
    {.nombre = "Command1",
        .clase = Clase::Boton,
        .caja = {120, 5160, 1332, 372},
        .texto = u"Juego",
        .tipo = &sansSerif},
    {.nombre = "Label6",
        .clase = Clase::Rotulo,
        .caja = {3600, 5280, 492, 252},
        .texto = u"En ...",
        .tipo = &sansSerif},
    {.nombre = "Label4",
        .clase = Clase::Rotulo,
        .caja = {4800, 5160, 1815, 375},
        .texto = u"\" El único héroe \"",
        .tipo = &redondeada},
};

constexpr Pantalla principal{
    "Principal", u"El monje Talpín", 9630, 5715, {"Tempus Sans ITC", 8.25, true}, controlesPrincipal, {}, {}};

// The game window.

constexpr Tipo arial{"Arial", 8.25, true};
constexpr std::u16string_view escribeElVerbo = u"Escribe el verbo en la caja de órdenes";

constexpr Control controlesPrimero[] = {
    // Its name is the character's, set as the game changes it.
    {.nombre = "Image2",
        .clase = Clase::Foto,
        .caja = {360, 240, 1920, 3465},
        .fichero = "cabronus.jpg",
        .descripcion = u"El personaje que está aquí: pon su nombre en la orden",
        .clic = true},
    // Its name is the place's.
    {.nombre = "Image3",
        .clase = Clase::Foto,
        .caja = {2760, 240, 4785, 3885},
        .fichero = "calle.jpg",
        .descripcion = u"El lugar donde estás: descríbelo",
        .clic = true},
    {.nombre = "Image1",
        .clase = Clase::Foto,
        .caja = {7920, 240, 1860, 3480},
        .fichero = "talpin.jpg",
        .leido = u"Talpín",
        .descripcion = u"El protagonista, un monje con hábito"},
    {.nombre = "Label3", .clase = Clase::Rotulo, .caja = {9360, 3720, 495, 255}, .texto = u"Talpín"},
    {.nombre = "Label2",
        .clase = Clase::Rotulo,
        .caja = {120, 4200, 975, 255},
        .texto = u"Mensajes.",
        .tipo = &californian,
        .de = "List1",
        .sombra = true},
    {.nombre = "List1", .clase = Clase::Lista, .caja = {120, 4440, 9855, 690}, .tipo = &arial},
    {.nombre = "Label1",
        .clase = Clase::Rotulo,
        .caja = {120, 5160, 4095, 255},
        .texto = u"Escribe aquí, las ordenes que quieras realizar.",
        .tipo = &californian,
        .de = "ordenes",
        .sombra = true},
    {.nombre = "ordenes", .clase = Clase::Caja, .caja = {120, 5400, 5655, 405}},
    // It interrupts the top edge of the frame around the verbs.
    {.nombre = "Label7", .clase = Clase::Rotulo, .caja = {1800, 5880, 1095, 255}, .texto = u" Verbos a usar"},
    // The verb pictures, in the order of the game's verbs.
    {.nombre = "Image4",
        .clase = Clase::Foto,
        .caja = {240, 6240, 780, 780},
        .fichero = "hablar.jpg",
        .leido = u"Hablar",
        .descripcion = escribeElVerbo,
        .clic = true},
    {.nombre = "Image5",
        .clase = Clase::Foto,
        .caja = {1200, 6240, 690, 765},
        .fichero = "mirar.jpg",
        .leido = u"Mirar",
        .descripcion = escribeElVerbo,
        .clic = true},
    {.nombre = "Image6",
        .clase = Clase::Foto,
        .caja = {2040, 6240, 675, 765},
        .fichero = "usar.jpg",
        .leido = u"Usar",
        .descripcion = escribeElVerbo,
        .clic = true},
    {.nombre = "Image7",
        .clase = Clase::Foto,
        .caja = {2880, 6240, 795, 735},
        .fichero = "mentir.jpg",
        .leido = u"Mentir",
        .descripcion = escribeElVerbo,
        .clic = true},
    {.nombre = "Image8",
        .clase = Clase::Foto,
        .caja = {3840, 6240, 690, 735},
        .fichero = "coger.jpg",
        .leido = u"Coger",
        .descripcion = escribeElVerbo,
        .clic = true},
    {.nombre = "Guardar", .clase = Clase::Boton, .caja = {6240, 5640, 1092, 612}, .texto = u"Guardar"},
    {.nombre = "Cargar", .clase = Clase::Boton, .caja = {7440, 5640, 1092, 612}, .texto = u"Cargar"},
    {.nombre = "salir", .clase = Clase::Boton, .caja = {8640, 5640, 1092, 612}, .texto = u"Menú Principal"},
    {.nombre = "objetos", .clase = Clase::Boton, .caja = {6240, 6360, 1095, 612}, .texto = u"Objetos"},
    {.nombre = "Salidas", .clase = Clase::Boton, .caja = {7440, 6360, 1095, 612}, .texto = u"Salidas"},
    {.nombre = "limpiar", .clase = Clase::Boton, .caja = {8640, 6360, 1095, 612}, .texto = u"Limpiar"},
};

constexpr auto trazosPrimero = Unir(Rectangulo(120, 120, 2400, 4080), // the character
    Rectangulo(7800, 120, 9960, 4080),                                // Talpín
    Rectangulo(120, 6000, 4680, 7080),                                // the verbs
    Rectangulo(6120, 5520, 9840, 7080),                               // the buttons
    // the open outline around the messages
    std::array<Trazo, 5>{{{1200, 4320, 10080, 4320}, {10080, 4320, 10080, 5280}, {4320, 5280, 10080, 5280},
        {5880, 5280, 5880, 6000}, {4680, 6000, 5880, 6000}}});

// The window's own order first; the pictures, which only the keyboard
// focuses, after it.
constexpr std::string_view ordenPrimero[] = {"List1", "ordenes", "limpiar", "salir", "Salidas", "Guardar",
    "objetos", "Cargar", "Image4", "Image5", "Image6", "Image7", "Image8", "Image3", "Image2"};

constexpr Pantalla primero{
    "Primero", u"El monje Talpín", 10185, 7320, sansSerif, controlesPrimero, trazosPrimero, ordenPrimero};

// The about-the-author window.

constexpr Tipo pristina{"Pristina", 10.5, true};
constexpr Tipo sansSerifCursiva{"MS Sans Serif", 8.25, false, true};
constexpr Tipo arialGrande{"Arial", 10.5, true, true};
constexpr Tipo arialBlack{"Arial Black", 7.5, true, true};

constexpr Control controlesSobreAutor[] = {
    {.nombre = "Image1",
        .clase = Clase::Foto,
        .caja = {120, 120, 2865, 5610},
        .fichero = "autor.jpg",
        .leido = u"Retrato del autor",
        .descripcion = u"El autor con gafas, un mando de consola y un lápiz"},
    {.nombre = "Image2",
        .clase = Clase::Foto,
        .caja = {3120, 120, 4620, 3465},
        .fichero = "logo.bmp",
        .leido = u"Trombulix Juegos",
        .descripcion = u"El logotipo del estudio: diez años haciendo aventuras"},
    {.nombre = "Label1",
        .clase = Clase::Rotulo,
        .caja = {3120, 3720, 2055, 255},
        .texto = u"Trombulix Juegos S.A.",
        .tipo = &pristina},
    {.nombre = "Label3",
        .clase = Clase::Rotulo,
        .caja = {3120, 3960, 3015, 255},
        .texto = u"Equipo Monjes Locos",
        .tipo = &sansSerifCursiva},
    {.nombre = "Label7",
        .clase = Clase::Rotulo,
        .caja = {3120, 4440, 1815, 255},
        .texto = u"Gráficos, y programación"},
    {.nombre = "Label5",
        .clase = Clase::Rotulo,
        .caja = {3120, 4680, 2775, 255},
        .texto = u"por Taller Capucha",
        .tipo = &arialGrande},
    {.nombre = "Label6",
        .clase = Clase::Rotulo,
        .caja = {3120, 4920, 1935, 255},
        .texto = u"Desde Villafraile",
        .tipo = &arialBlack},
    {.nombre = "Label4",
        .clase = Clase::Rotulo,
        .caja = {120, 6480, 4332, 252},
        .texto = u"Para cualquier duda, escribe a talpin@example.org"},
    {.nombre = "Label2",
        .clase = Clase::Rotulo,
        .caja = {120, 6720, 2172, 252},
        .texto = u"Visita www.example.org"},
    {.nombre = "Command1", .clase = Clase::Boton, .caja = {6600, 6360, 1092, 612}, .texto = u"Volver"},
};

constexpr Pantalla sobreAutor{
    "SobreAutor", u"Sobre el autor", 7905, 7200, sansSerif, controlesSobreAutor, {}, {}};

// The ending window: the thirteen texts of the ending, from world/, top to
// bottom at left 240; the first and the last are headings in a larger type.

constexpr Tipo titular{"MS Sans Serif", 12, true};

constexpr Control controlesFinal[] = {
    {.nombre = "Label1", .clase = Clase::Parrafo, .caja = {240, 240, 5175, 375}, .tipo = &titular},
    {.nombre = "Label2", .clase = Clase::Parrafo, .caja = {240, 720, 5775, 255}},
    {.nombre = "Label3", .clase = Clase::Parrafo, .caja = {240, 1200, 4095, 255}},
    {.nombre = "Label4", .clase = Clase::Parrafo, .caja = {240, 1440, 5775, 255}},
    {.nombre = "Label5", .clase = Clase::Parrafo, .caja = {240, 1920, 7575, 495}},
    {.nombre = "Label6", .clase = Clase::Parrafo, .caja = {240, 2520, 1815, 255}},
    {.nombre = "Label7", .clase = Clase::Parrafo, .caja = {240, 2760, 4695, 255}},
    {.nombre = "Label8", .clase = Clase::Parrafo, .caja = {240, 3000, 2895, 255}},
    {.nombre = "Label9", .clase = Clase::Parrafo, .caja = {240, 3240, 5415, 255}},
    {.nombre = "Label10", .clase = Clase::Parrafo, .caja = {240, 3720, 5055, 495}},
    {.nombre = "Label11", .clase = Clase::Parrafo, .caja = {240, 4440, 5415, 495}},
    {.nombre = "Label12", .clase = Clase::Parrafo, .caja = {240, 5160, 6495, 615}},
    {.nombre = "Label13", .clase = Clase::Parrafo, .caja = {240, 6120, 1095, 375}, .tipo = &titular},
    {.nombre = "Command1", .clase = Clase::Boton, .caja = {6720, 6000, 975, 495}, .texto = u"Salir"},
};

// Line13 parts the narration from the dialogue; Line1 to Line12 frame the
// three narrations that change the scene.
constexpr auto trazosFinal = Unir(std::array<Trazo, 1>{{{240, 1080, 6000, 1080}}},
    Rectangulo(120, 1800, 7560, 2400), Rectangulo(120, 3600, 7440, 4200), Rectangulo(120, 5040, 7440, 5880));

constexpr Pantalla final_{
    "Final", u"El monje Talpín", 7785, 6540, sansSerif, controlesFinal, trazosFinal, {}};

constexpr Mensaje acercaDe{
    u"Acerca de ...", u"© 2003 Trombulix Juegos, equipo Monjes Locos: El monje Talpín, \" El único héroe \""};
constexpr Mensaje salir{u"Salir", {}, true};

} // namespace

const Pantalla& PantallaPrincipal() { return principal; }
const Pantalla& PantallaPrimero() { return primero; }
const Pantalla& PantallaSobreAutor() { return sobreAutor; }
const Pantalla& PantallaFinal() { return final_; }

const Control& Buscar(const Pantalla& pantalla, std::string_view nombre)
{
    for (const Control& control : pantalla.controles)
        if (control.nombre == nombre)
            return control;
    std::abort();
}

std::string NombreDoble(std::string_view nombre)
{
    const std::size_t punto = nombre.rfind('.');
    if (punto == nombre.npos)
        return std::string(nombre) + "@2x";
    return std::string(nombre.substr(0, punto)) + "@2x" + std::string(nombre.substr(punto));
}

const Mensaje& MensajeAcercaDe() { return acercaDe; }
const Mensaje& MensajeSalir() { return salir; }

std::u16string_view Aceptar() { return u"Aceptar"; }
