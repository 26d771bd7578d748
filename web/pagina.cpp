// Writes the page's static parts from the windows' table, at build time:
// index.html (the four views with their captions, the page's styles with
// the windows' boxes and faces in twips, scaled as one, and the phone's
// reflow, and its script), the web app manifest, and for scripts/web.sh
// caras.txt, the faces to reduce with the characters each shows, and
// dibujos.txt, the drawings to make from arte/ficheros.txt.
//   pagina CARPETA arte/ficheros.txt web/estilo.css web/movil.css web/pagina.js
#include "core/mandos.h"
#include "core/utf8.h"
#include "presentacion/caras.h"
#include "presentacion/pantallas.h"
#include "web/fotos.h"
#include "world/antecedentes.h"
#include "world/historia.h"
#include "world/textos_final.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Around a view fitted to the browser's window, in CSS pixels.
constexpr int margen = 8;
// The title view's menu bar, which the windows draw above their client
// area: 24 pixels at the windows' own size.
constexpr int altoMenu = 360;
// The CSS pixels of 1rem at the browser's usual text size.
constexpr int pixelesPorRem = 16;

// `plantilla` with each "{}" (or "{N}", by number) replaced by the values
// in turn; "{{" and "}}" stand for braces.
std::string F(std::string_view plantilla, std::initializer_list<std::string> valores)
{
    const std::vector<std::string> lista(valores);
    std::string salida;
    std::size_t siguiente = 0;
    for (std::size_t i = 0; i < plantilla.size(); ++i) {
        const char c = plantilla[i];
        if ((c == '{' || c == '}') && i + 1 < plantilla.size() && plantilla[i + 1] == c) {
            salida += c;
            ++i;
        } else if (c == '{') {
            const std::size_t cierre = plantilla.find('}', i);
            const std::string_view numero = plantilla.substr(i + 1, cierre - i - 1);
            salida += lista.at(numero.empty() ? siguiente++ : std::size_t(std::stoi(std::string(numero))));
            i = cierre;
        } else {
            salida += c;
        }
    }
    return salida;
}

std::string N(long long numero) { return std::to_string(numero); }

// A number as CSS writes it: no trailing zeros.
std::string D(double numero)
{
    char texto[32];
    std::snprintf(texto, sizeof texto, "%.6g", numero);
    return texto;
}

// A length of the layouts: so many twips of the view's scale, --t.
std::string T(double twips) { return F("calc({}*var(--t))", {D(twips)}); }

// Four hexadecimal digits, as a code point is written.
std::string Hex(char16_t c)
{
    static constexpr char digitos[] = "0123456789ABCDEF";
    std::string hex;
    for (int desplazamiento = 12; desplazamiento >= 0; desplazamiento -= 4)
        hex += digitos[(c >> desplazamiento) & 0xF];
    return hex;
}

std::string Html(std::u16string_view texto)
{
    std::string salida;
    for (char c : Utf8(texto)) {
        switch (c) {
        case '&':
            salida += "&amp;";
            break;
        case '<':
            salida += "&lt;";
            break;
        case '>':
            salida += "&gt;";
            break;
        case '"':
            salida += "&quot;";
            break;
        default:
            salida += c;
        }
    }
    return salida;
}

// A caption without its "&", the access key's letter underlined.
std::string Rotulo(std::u16string_view texto)
{
    const std::size_t marca = texto.find(u'&');
    if (marca == texto.npos || marca + 1 >= texto.size())
        return Html(texto);
    return Html(texto.substr(0, marca)) + "<u>" + Html(texto.substr(marca + 1, 1)) + "</u>"
        + Html(texto.substr(marca + 2));
}

// The caption as a screen reader says it: without the "&".
std::u16string SinMarca(std::u16string_view texto)
{
    std::u16string limpio(texto);
    std::erase(limpio, u'&');
    return limpio;
}

std::string Id(const Pantalla& pantalla, std::string_view nombre)
{
    return std::string(pantalla.nombre) + "-" + std::string(nombre);
}

std::string Color(const ::Color& color)
{
    return F("rgb({},{},{})", {N(color.rojo), N(color.verde), N(color.azul)});
}

// What a label or paragraph says, where the front end fills it in.
std::u16string TextoDe(const Pantalla& pantalla, const Control& control)
{
    if (!control.texto.empty())
        return std::u16string(control.texto);
    if (&pantalla == &PantallaPrincipal() && control.nombre == "Label5")
        return std::u16string(Antecedentes());
    if (&pantalla == &PantallaFinal()) {
        const auto& textos = TextosFinal;
        const int numero = std::stoi(std::string(control.nombre.substr(5))); // "LabelN"
        return std::u16string(textos[numero - 1]);
    }
    return {};
}

// The text a control shows; the game fills the message list and the
// command box, and pictures show none.
std::u16string Mostrado(const Pantalla& pantalla, const Control& control)
{
    switch (control.clase) {
    case Clase::Rotulo:
    case Clase::Parrafo:
        return TextoDe(pantalla, control);
    case Clase::Marco:
    case Clase::Boton:
        return std::u16string(control.texto);
    default:
        return {};
    }
}

// A control of the game window that the game answers bears the control's
// name, and its number as its value, for web/pagina.js.
std::string Pulsable(const Pantalla& pantalla, std::string_view control)
{
    for (const NombreMando& mando : nombresMandos)
        if (&pantalla == &PantallaPrimero() && mando.control == control)
            return F(R"( data-mando="{}" value="{}")", {std::string(mando.nombre), N(int(mando.mando))});
    return {};
}

// A drawing of arte/ and the size of its picture, in pixels.
struct Dibujo {
    std::string nombre;
    int ancho, alto;
};

// arte/ficheros.txt, by the page's picture made from each row.
using Dibujos = std::map<std::string, Dibujo>;

Dibujos LeerDibujos(const std::string& ruta)
{
    Dibujos dibujos;
    std::ifstream lista(ruta);
    for (std::string linea; std::getline(lista, linea);) {
        std::istringstream campos(linea);
        std::string destino;
        Dibujo dibujo;
        if (linea.starts_with('#') || !(campos >> dibujo.nombre >> destino >> dibujo.ancho >> dibujo.alto))
            continue;
        dibujos.emplace(FotoEnPagina(destino), dibujo);
    }
    return dibujos;
}

// The page's picture for a desktop's one, which arte/ must draw.
const Dibujo& Dibujado(const Dibujos& dibujos, const std::string& foto)
{
    const auto hallado = dibujos.find(foto);
    if (hallado == dibujos.end()) {
        std::cerr << "pagina: ningún dibujo de arte/ficheros.txt da " << foto << '\n';
        std::exit(1);
    }
    return hallado->second;
}

// A stored picture, drawn at its size once its view shows. The title's too:
// loaded at once, it came in the middle of reading the page, from the
// service worker's cache, and put off the title view's readiness for input.
std::string Foto(const Dibujos& dibujos, std::string_view fichero, std::u16string_view alternativo,
    const std::string& atributos)
{
    const std::string foto = FotoEnPagina(std::string(carpetaDeVentanas) + std::string(fichero));
    const Dibujo& dibujo = Dibujado(dibujos, foto);
    return F(R"(<img{} loading="lazy" src="{}" width="{}" height="{}" alt="{}">)",
        {atributos, foto, N(dibujo.ancho), N(dibujo.alto), Html(alternativo)});
}

class Escritor {
public:
    Escritor(const Pantalla& pantalla, const Dibujos& dibujos)
        : pantalla(pantalla)
        , dibujos(dibujos)
    {
    }

    std::string Vista()
    {
        std::string html = F(R"(<main id="{0}" class="vista" aria-labelledby="{0}-titulo"{1}>)"
                             R"(<h1 id="{0}-titulo" class="oculto">{2}</h1>)",
            {std::string(pantalla.nombre), Primera() ? "" : " hidden", Html(pantalla.titulo)});
        html += Menus();
        html += F(R"(<div id="{}" class="area">)", {Id(pantalla, "area")});
        for (std::string_view nombre : pantalla.orden)
            html += Control(Buscar(pantalla, nombre));
        for (const ::Control& control : pantalla.controles)
            if (control.dentro.empty() && control.clase != Clase::Menu && control.clase != Clase::Opcion)
                html += Control(control);
        for (const Trazo& trazo : pantalla.trazos) {
            (void)trazo;
            html += R"(<div class="trazo" aria-hidden="true"></div>)";
        }
        return html + "</div></main>\n";
    }

private:
    std::string Menus()
    {
        std::string html;
        for (const ::Control& menu : pantalla.controles) {
            if (menu.clase != Clase::Menu)
                continue;
            const std::string id = Id(pantalla, menu.nombre);
            html
                += F(R"(<nav class="menus" aria-label="{3}"><button type="button" id="{0}" class="menu" )"
                     R"(aria-haspopup="menu" aria-expanded="false" aria-controls="{0}-opciones">{1}</button>)"
                     R"(<ul id="{0}-opciones" role="menu" aria-labelledby="{0}" hidden>{2}</ul></nav>)",
                    {id, Rotulo(menu.texto), Opciones(menu), Html(SinMarca(menu.texto))});
        }
        return html;
    }

    std::string Opciones(const ::Control& menu)
    {
        std::string html;
        for (const ::Control& opcion : pantalla.controles) {
            if (opcion.dentro != menu.nombre)
                continue;
            std::string aviso;
            if (opcion.nombre == "acercade") {
                const Mensaje& acercaDe = MensajeAcercaDe();
                aviso = F(R"( data-titulo="{}" data-texto="{}"{})",
                    {Html(acercaDe.titulo), Html(acercaDe.texto), acercaDe.exclamacion ? " data-exclamacion" : ""});
            }
            const std::string papel
                = opcion.marcable ? R"(role="menuitemcheckbox" aria-checked="false")" : R"(role="menuitem")";
            html += F(R"(<li role="none"><button type="button" {} tabindex="-1" )"
                      R"(id="{}"{}>{}</button></li>)",
                {papel, Id(pantalla, opcion.nombre), aviso, Rotulo(opcion.texto)});
        }
        return html;
    }

    std::string Control(const ::Control& control)
    {
        if (!hechos.insert(control.nombre).second)
            return {};
        const std::string id = Id(pantalla, control.nombre);
        std::string html;
        // A label goes before the control it names.
        for (const ::Control& etiqueta : pantalla.controles)
            if (etiqueta.de == control.nombre)
                html += Control(etiqueta);
        std::string descripcion;
        if (!control.descripcion.empty()) {
            html += F(
                R"(<span id="{}-descripcion" class="oculto">{}</span>)", {id, Html(control.descripcion)});
            descripcion = F(R"( aria-describedby="{}-descripcion")", {id});
        }
        const std::string pulsar = Pulsable(pantalla, control.nombre);
        switch (control.clase) {
        case Clase::Foto:
            if (control.clic)
                html += F(R"(<button type="button" id="{}" class="foto"{}{}{}>{}</button>)",
                    {id, pulsar, descripcion,
                        control.leido.empty() ? "" : F(R"( aria-label="{}")", {Html(control.leido)}),
                        Foto(dibujos, control.fichero, {}, {})});
            else
                html += Foto(dibujos, control.fichero, control.leido,
                    F(R"( id="{}" class="foto"{})", {id, descripcion}));
            break;
        case Clase::Rotulo:
            if (!control.de.empty() && Buscar(pantalla, control.de).clase == Clase::Caja)
                html += F(R"(<label id="{}" class="rotulo" for="{}">{}</label>)",
                    {id, Id(pantalla, control.de), Html(Mostrado(pantalla, control))});
            else
                html += F(
                    R"(<span id="{}" class="rotulo">{}</span>)", {id, Html(Mostrado(pantalla, control))});
            break;
        case Clase::Parrafo:
            html += F(R"(<p id="{}" class="parrafo">{}</p>)", {id, Html(Mostrado(pantalla, control))});
            break;
        case Clase::Marco: {
            html += F(R"(<fieldset id="{}" class="marco"><legend>{}</legend>)",
                {id, Html(Mostrado(pantalla, control))});
            for (const ::Control& hijo : pantalla.controles)
                if (hijo.dentro == control.nombre)
                    html += Control(hijo);
            html += "</fieldset>";
            break;
        }
        case Clase::Boton:
            html += F(R"(<button type="button" id="{}" class="boton"{}>{}</button>)",
                {id, pulsar, Html(Mostrado(pantalla, control))});
            break;
        case Clase::Lista:
            // Not a live region: #anuncio speaks the answers. Described by
            // its lines (web/pagina.js), it is read whole as it takes the focus.
            html += F(R"(<span id="{0}-lineas" hidden></span>)"
                      R"(<div id="{0}" class="lista" role="list" tabindex="0" aria-describedby="{0}-lineas"{1}></div>)",
                {id, Nombrada(control)});
            break;
        case Clase::Caja:
            html += F(R"(<form id="{0}-envio" class="envio"><input id="{0}" type="text" )"
                      R"(enterkeyhint="send" autocomplete="off" autocapitalize="off" spellcheck="false" )"
                      R"(maxlength="{1}"></form>)",
                {id, N(largoMaximoOrden)});
            break;
        case Clase::Menu:
        case Clase::Opcion:
            break;
        }
        return html;
    }

    std::string Nombrada(const ::Control& control)
    {
        for (const ::Control& etiqueta : pantalla.controles)
            if (etiqueta.de == control.nombre)
                return F(R"( aria-labelledby="{}")", {Id(pantalla, etiqueta.nombre)});
        return {};
    }

    // The view the page opens on.
    bool Primera() const { return &pantalla == &PantallaPrincipal(); }

    const Pantalla& pantalla;
    const Dibujos& dibujos;
    std::set<std::string_view> hechos;
};

const Pantalla* const pantallas[]
    = {&PantallaPrincipal(), &PantallaPrimero(), &PantallaSobreAutor(), &PantallaFinal()};

// The height of a view in twips, its menu bar's included.
int AltoDeVista(const Pantalla& pantalla)
{
    const bool conMenu = std::any_of(pantalla.controles.begin(), pantalla.controles.end(),
        [](const Control& control) { return control.clase == Clase::Menu; });
    return pantalla.alto + (conMenu ? altoMenu : 0);
}

// Where the windows are fitted to the browser's window: where every view
// fits at its own size or larger at the browser's text size, so no text is
// smaller than the windows show it. A media query's em is the browser's
// text size, however the page sets its own. Elsewhere movil.css reflows
// the controls.
std::string Ajustable()
{
    int ancho = 0, alto = 0;
    for (const Pantalla* pantalla : pantallas) {
        ancho = std::max(ancho, pantalla->ancho);
        alto = std::max(alto, AltoDeVista(*pantalla));
    }
    const auto em = [](int twips) { return D(double(twips) / (twipsPorPixel * pixelesPorRem)); };
    return F("(min-width:calc({}em + {}px)) and (min-height:calc({}em + {}px))",
        {em(ancho), N(2 * margen), em(alto), N(2 * margen)});
}

// The exclamation mark of a warning, beside a message box's text.
constexpr std::string_view exclamacion
    = R"(<svg class="exclamacion" aria-hidden="true" viewBox="0 0 32 32">)"
      R"(<path d="M16 2.5 30.5 28.5H1.5Z" fill="#fcd116" stroke="#000" stroke-linejoin="round"/>)"
      R"(<path d="M16 10.5v10" stroke="#000" stroke-width="3.2" stroke-linecap="round"/>)"
      R"(<circle cx="16" cy="24.6" r="1.8"/></svg>)";

// A style sheet or script in its element; one that closed its element early
// would break the page.
std::string Incrustado(std::string_view elemento, const std::string& contenido, const std::string& atributos = {})
{
    std::string minusculas = contenido;
    std::transform(minusculas.begin(), minusculas.end(), minusculas.begin(),
        [](unsigned char c) { return char(std::tolower(c)); });
    if (minusculas.find("</" + std::string(elemento)) != std::string::npos) {
        std::cerr << "pagina: un <" << elemento << "> de la página se cerraría antes de tiempo\n";
        std::exit(1);
    }
    return F("<{0}{2}>\n{1}</{0}>\n", {std::string(elemento), contenido, atributos});
}

// A file of web/, whole, for its element.
std::string Incrustar(std::string_view elemento, const std::string& ruta, const std::string& atributos = {})
{
    std::ifstream fichero(ruta, std::ios::binary);
    const std::string contenido{std::istreambuf_iterator<char>(fichero), {}};
    if (contenido.empty()) {
        std::cerr << "pagina: no se ha podido leer " << ruta << '\n';
        std::exit(1);
    }
    return Incrustado(elemento, contenido, atributos);
}

// The styles of the windows' boxes and faces, from the table.
std::string Disposicion();

// The page's styles and script go in it whole, so that the title view is
// ready as soon as the page is read, with no further fetch; the script
// fetches the game itself.
std::string Pagina(
    const Dibujos& dibujos, const std::string& estilo, const std::string& movil, const std::string& guion)
{
    const Pantalla& principal = PantallaPrincipal();
    std::string html = F(
        "<!doctype html>\n<html lang=\"es\" data-vista=\"{}\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1, "
        "interactive-widget=resizes-content\">\n"
        "<meta name=\"theme-color\" content=\"{}\">\n"
        "<title>{}</title>\n<link rel=\"manifest\" href=\"manifest.webmanifest\">\n"
        "<link rel=\"icon\" href=\"iconos/talpin-48.png\" sizes=\"48x48\">\n"
        "{}{}{}</head>\n<body>\n",
        {std::string(principal.nombre), Color(colorFondo), Html(principal.titulo), estilo,
            Incrustado("style", Disposicion()), movil});
    for (const Pantalla* pantalla : pantallas)
        html += Escritor(*pantalla, dibujos).Vista();
    // Each answer for a screen reader, whole (web/pagina.js); outside the
    // views, so it speaks whichever view shows.
    html += R"(<div id="anuncio" class="oculto" aria-live="polite"></div>)";
    // The message boxes: one at a time, its title, text and icon set when shown.
    html += F(R"(<dialog id="aviso" aria-labelledby="aviso-titulo" aria-describedby="aviso-texto">)"
              R"(<form method="dialog"><p id="aviso-titulo" class="titulo-aviso"></p>)"
              R"(<div class="cuerpo-aviso">{}<p id="aviso-texto"></p></div>)"
              R"(<button id="aviso-aceptar" class="boton" autofocus>{}</button></form></dialog>)"
              "\n<input type=\"file\" id=\"fichero-partida\" hidden>\n{}</body>\n</html>\n",
        {std::string(exclamacion), Html(Aceptar()), guion});
    return html;
}

// A box where the windows have it, scaled with its view.
std::string Caja(const Recuadro& caja)
{
    return F("left:{};top:{};width:{};height:{}",
        {T(caja.izquierda), T(caja.arriba), T(caja.ancho), T(caja.alto)});
}

std::string Familia(const Cara& cara)
{
    static constexpr const char* genericas[] = {"sans-serif", "serif", "cursive"};
    return F("\"{}\",{}", {std::string(cara.libre), genericas[cara.familia]});
}

// A face of the layouts in the page: family, weight and slant.
using Estilo = std::tuple<std::string_view, int, bool>;

Estilo EstiloDe(const Tipo& tipo)
{
    const Cara* cara = CaraLibre(tipo.cara);
    return {cara->libre, tipo.negrita ? cara->negrita : cara->normal, tipo.cursiva && cara->admiteCursiva};
}

// Its size in twips, like the boxes, so the text scales with them.
std::string Letra(const Tipo& tipo)
{
    const auto [familia, peso, cursiva] = EstiloDe(tipo);
    const Cara& cara = *CaraLibre(tipo.cara);
    return F("font-family:{};font-size:{};font-weight:{};font-style:{}",
        {Familia(cara), T(tipo.puntos * twipsPorPunto * cara.escala), N(peso), cursiva ? "italic" : "normal"});
}

std::string FicheroDeCara(const Estilo& estilo)
{
    const auto [familia, peso, cursiva] = estilo;
    std::string nombre;
    for (char c : familia)
        nombre += c == ' ' ? '-' : char(std::tolower(static_cast<unsigned char>(c)));
    return F("caras/{}-{}{}.woff2", {nombre, N(peso), cursiva ? "i" : ""});
}

std::set<Estilo> Estilos()
{
    std::set<Estilo> estilos;
    for (const Pantalla* pantalla : pantallas) {
        estilos.insert(EstiloDe(pantalla->tipo));
        for (const Control& control : pantalla->controles)
            if (control.tipo)
                estilos.insert(EstiloDe(*control.tipo));
    }
    return estilos;
}

// The face a control shows its text in: its own, else its frame's, else
// the window's.
Estilo EstiloDeControl(const Pantalla& pantalla, const Control& control);

Estilo EstiloAlrededor(const Pantalla& pantalla, const Control& control)
{
    return control.dentro.empty() ? EstiloDe(pantalla.tipo)
                                  : EstiloDeControl(pantalla, Buscar(pantalla, control.dentro));
}

Estilo EstiloDeControl(const Pantalla& pantalla, const Control& control)
{
    return control.tipo ? EstiloDe(*control.tipo) : EstiloAlrededor(pantalla, control);
}

// The faces that show what the game writes as it runs, or what the player
// types: the message list's, the command box's, and the system's, which
// the menus and the message boxes (the game's goodbye, a saved game's
// failure) show, their titles in bold.
std::set<Estilo> EstilosDelJuego()
{
    Tipo sistema = PantallaPrimero().tipo;
    std::set<Estilo> estilos{EstiloDe(sistema)};
    sistema.negrita = true;
    estilos.insert(EstiloDe(sistema));
    for (const Pantalla* pantalla : pantallas)
        for (const Control& control : pantalla->controles)
            if (control.clase == Clase::Lista || control.clase == Clase::Caja)
                estilos.insert(EstiloDeControl(*pantalla, control));
    return estilos;
}

// The characters each face shows in the page's fixed texts, the hidden
// descriptions beside the controls included, and the blank.
std::map<Estilo, std::set<char16_t>> Letras()
{
    std::map<Estilo, std::set<char16_t>> letras;
    for (const Pantalla* pantalla : pantallas)
        for (const Control& control : pantalla->controles) {
            if (control.clase == Clase::Menu || control.clase == Clase::Opcion)
                continue; // in the page's own face
            for (char16_t c : Mostrado(*pantalla, control) + u' ')
                letras[EstiloDeControl(*pantalla, control)].insert(c);
            for (char16_t c : control.descripcion)
                letras[EstiloAlrededor(*pantalla, control)].insert(c);
        }
    return letras;
}

std::string Disposicion()
{
    // The page takes the system's face, which the game window keeps as its
    // own: the menus and the message boxes show it; movil.css sizes text by it.
    const Tipo& sistema = PantallaPrimero().tipo;
    std::string css = F(":root{{--fondo:{};--sombra:{};--margen:{}px;--menu:{};"
                        "--original:calc(1rem / {});--letra-sistema:{}}}\nbody{{{}}}\n",
        {Color(colorFondo), Color(colorSombra), N(margen), N(altoMenu), N(twipsPorPixel * pixelesPorRem),
            D(sistema.puntos * twipsPorPunto), Letra(sistema)});
    for (const Estilo& estilo : Estilos()) {
        const auto [familia, peso, cursiva] = estilo;
        css += F("@font-face{{font-family:\"{}\";src:url({}) format(\"woff2\");font-weight:{};"
                 "font-style:{};font-display:swap}}\n",
            {std::string(familia), FicheroDeCara(estilo), N(peso), cursiva ? "italic" : "normal"});
    }
    std::string ventanas;
    for (const Pantalla* pantalla : pantallas) {
        const std::string area = Id(*pantalla, "area");
        // Each picture's proportions, for the phone's layout to size it by.
        std::string proporciones;
        for (const Control& control : pantalla->controles)
            if (control.clase == Clase::Foto) {
                const std::string proporcion = F("{}/{}", {N(control.caja.ancho), N(control.caja.alto)});
                proporciones += F("--{}:calc({});", {std::string(control.nombre), proporcion});
                css += F("#{0} img,img#{0}{{aspect-ratio:{1}}}\n", {Id(*pantalla, control.nombre), proporcion});
            }
        css += F("html[data-vista=\"{0}\"]{{--ancho:{1};--alto:{2}}}\n#{0}{{{3}}}\n#{4}{{{5}}}\n",
            {std::string(pantalla->nombre), N(pantalla->ancho), N(AltoDeVista(*pantalla)),
                proporciones, area, Letra(pantalla->tipo)});
        ventanas += F("#{}{{width:{};height:{}}}\n", {area, T(pantalla->ancho), T(pantalla->alto)});
        for (const Control& control : pantalla->controles) {
            const std::string id = Id(*pantalla, control.nombre);
            if (control.tipo)
                css += F("#{}{{{}}}\n", {id, Letra(*control.tipo)});
            if (control.sombra)
                css += F("#{}{{color:var(--sombra)}}\n", {id});
            if (control.clase == Clase::Menu || control.clase == Clase::Opcion)
                continue;
            ventanas += F("#{}{{{}}}\n", {id, Caja(control.caja)});
        }
        for (std::size_t i = 0; i < pantalla->trazos.size(); ++i) {
            const Trazo& t = pantalla->trazos[i];
            // Both ends drawn, as a pen one pixel wide draws them.
            const int x = std::min(t.x1, t.x2), y = std::min(t.y1, t.y2);
            ventanas += F("#{} .trazo:nth-child({} of .trazo){{{}}}\n",
                {area, N(i + 1),
                    Caja({x, y, std::max(t.x1, t.x2) - x + twipsPorPixel, std::max(t.y1, t.y2) - y + twipsPorPixel})});
        }
    }
    return css + "@media " + Ajustable() + "{\n" + ventanas + "}\n";
}

std::string Manifiesto()
{
    const std::string nombre = Html(PantallaPrincipal().titulo);
    std::string iconos;
    for (int lado : {192, 512})
        iconos
            += F(R"({}{{"src":"iconos/talpin-{}.png","sizes":"{}x{}","type":"image/png","purpose":"any"}})",
                {iconos.empty() ? "" : ",", N(lado), N(lado), N(lado)});
    return F(R"({{"name":"{0}","short_name":"{0}","lang":"es","start_url":"./","scope":"./",)"
             R"("display":"standalone","background_color":"{1}","theme_color":"{1}","icons":[{2}]}})"
             "\n",
        {nombre, Color(colorFondo), iconos});
}

// For scripts/web.sh: a fontconfig pattern, the file to make from it, and
// the characters to keep in it: all of Latin-1, the range of the game's
// texts, where the game writes, else those the face shows.
std::string ListaDeCaras()
{
    const std::set<Estilo> delJuego = EstilosDelJuego();
    std::map<Estilo, std::set<char16_t>> letras = Letras();
    std::string lista;
    for (const Estilo& estilo : Estilos()) {
        const auto [familia, peso, cursiva] = estilo;
        const int pesoFontconfig = peso >= 900 ? 210 : peso >= 700 ? 200 : 80;
        std::string unicodes = "U+0020-007E,U+00A0-00FF";
        if (!delJuego.contains(estilo)) {
            unicodes.clear();
            for (char16_t c : letras[estilo])
                unicodes += F("{}U+{}", {unicodes.empty() ? "" : ",", Hex(c)});
        }
        lista += F("{}:weight={}:slant={}\t{}\t{}\n",
            {std::string(familia), N(pesoFontconfig), N(cursiva ? 100 : 0), FicheroDeCara(estilo), unicodes});
    }
    return lista;
}

// Every picture the game names must be drawn.
void ComprobarFotosDelJuego(const Dibujos& dibujos)
{
    for (const Escena& escena : ElMonjeTalpin().escenas)
        for (std::u16string_view foto : {escena.foto, escena.fotoPersonaje})
            if (!foto.empty())
                Dibujado(dibujos, FotoEnPagina(std::string(carpetaDelJuego) + Utf8(foto)));
}

// For scripts/web.sh: each picture of the page, after the drawing and size
// to make it from.
std::string ListaDeDibujos(const Dibujos& dibujos)
{
    std::string lista;
    for (const auto& [foto, dibujo] : dibujos)
        lista += F("{}\t{}\t{}\t{}\n", {dibujo.nombre, N(dibujo.ancho), N(dibujo.alto), foto});
    return lista;
}

bool Escribir(const std::string& ruta, const std::string& contenido)
{
    std::ofstream fichero(ruta, std::ios::binary);
    fichero << contenido;
    return bool(fichero.flush());
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 6) {
        std::cerr << "uso: pagina CARPETA arte/ficheros.txt web/estilo.css web/movil.css web/pagina.js\n";
        return 2;
    }
    const std::string carpeta = argv[1];
    const Dibujos dibujos = LeerDibujos(argv[2]);
    ComprobarFotosDelJuego(dibujos);
    const std::string pagina = Pagina(dibujos, Incrustar("style", argv[3]),
        Incrustar("style", argv[4], F(R"( media="not all and {}")", {Ajustable()})), Incrustar("script", argv[5]));
    const bool hecho = Escribir(carpeta + "/index.html", pagina)
        && Escribir(carpeta + "/manifest.webmanifest", Manifiesto())
        && Escribir(carpeta + "/caras.txt", ListaDeCaras())
        && Escribir(carpeta + "/dibujos.txt", ListaDeDibujos(dibujos));
    if (!hecho)
        std::cerr << "pagina: no se ha podido escribir en " << carpeta << '\n';
    return hecho ? 0 : 1;
}
