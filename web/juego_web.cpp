// The game in the page: the window seam and the saved game over the page's
// JavaScript (web/pagina.js), and one exported function per click or key.
// Each call runs one input to its end and then tells the page what changed.
#include "core/almacen.h"
#include "core/juego.h"
#include "core/partida.h"
#include "core/utf8.h"
#include "presentacion/historial.h"
#include "presentacion/pantallas.h"
#include "web/fotos.h"
#include "world/historia.h"

#include <emscripten.h>

#include <optional>
#include <string>
#include <vector>

// The page's side: web/pagina.js's `pagina` object, handed to the module.
// Texts go across as UTF-16 (pointer and length), the saved game as bytes.
// clang-format off
EM_JS(int, js_leer_ordenes, (char16_t* texto, int capacidad, int* desde, int* hasta), {
    var caja = Module['pagina']['caja']();
    var valor = caja.value;
    var largo = Math.min(valor.length, capacidad);
    for (var i = 0; i < largo; ++i) HEAPU16[(texto >> 1) + i] = valor.charCodeAt(i);
    HEAP32[desde >> 2] = Math.min(caja.selectionStart, largo);
    HEAP32[hasta >> 2] = Math.min(caja.selectionEnd, largo);
    return largo;
});
// The lines of an answer, joined by line breaks.
EM_JS(void, js_responder, (int vaciar, int cuantas, const char16_t* texto, int largo), {
    var lineas = String.fromCharCode.apply(null, HEAPU16.subarray(texto >> 1, (texto >> 1) + largo));
    Module['pagina']['responder'](vaciar, cuantas ? lineas.split('\n') : []);
});
EM_JS(void, js_ordenes, (const char16_t* texto, int largo, int cursor), {
    Module['pagina']['ordenes'](String.fromCharCode.apply(null, HEAPU16.subarray(texto >> 1, (texto >> 1) + largo)), cursor);
});
EM_JS(void, js_foto, (int personaje, const char* fichero), {
    Module['pagina']['foto'](personaje, UTF8ToString(fichero));
});
EM_JS(void, js_personaje, (int visible), { Module['pagina']['personaje'](!!visible); });
EM_JS(void, js_nombres, (const char16_t* lugar, int largoLugar, const char16_t* personaje, int largoPersonaje), {
    var texto = function(p, n) { return String.fromCharCode.apply(null, HEAPU16.subarray(p >> 1, (p >> 1) + n)); };
    Module['pagina']['nombres'](texto(lugar, largoLugar), texto(personaje, largoPersonaje));
});
EM_JS(void, js_final, (), { Module['pagina']['final'](); });
EM_JS(void, js_aviso, (const char16_t* titulo, int largoTitulo, const char16_t* texto, int largo, int exclamacion,
                       int terminar), {
    var cadena = function(p, n) { return String.fromCharCode.apply(null, HEAPU16.subarray(p >> 1, (p >> 1) + n)); };
    Module['pagina']['aviso'](cadena(titulo, largoTitulo), cadena(texto, largo), !!exclamacion, !!terminar);
});
EM_JS(int, js_guardar, (const char* linea, int largo), {
    return Module['pagina']['guardar'](String.fromCharCode.apply(null, HEAPU8.subarray(linea, linea + largo))) ? 1 : 0;
});
// The length of the saved game, copied as far as it fits; -1 where there is none.
EM_JS(int, js_leer, (char* destino, int capacidad), {
    var linea = Module['pagina']['leer']();
    if (linea === null) return -1;
    for (var i = 0; i < Math.min(linea.length, capacidad); ++i) HEAPU8[destino + i] = linea.charCodeAt(i) & 255;
    return linea.length;
});
EM_JS(void, js_descargar, (const char* linea, int largo), {
    Module['pagina']['descargar'](String.fromCharCode.apply(null, HEAPU8.subarray(linea, linea + largo)));
});
// The file chosen for "Subir partida", copied as far as it fits; its whole length.
EM_JS(int, js_leer_subida, (char* destino, int capacidad), {
    var bytes = Module['pagina']['subida'];
    HEAPU8.set(bytes.subarray(0, capacidad), destino);
    return bytes.length;
});
// clang-format on

namespace {

// The saved game in the browser's storage, one slot.
class AlmacenWeb final : public Almacen {
public:
    bool Guardar(std::string_view linea) override { return js_guardar(linea.data(), int(linea.size())) != 0; }

    std::optional<std::string> Leer() override
    {
        std::string linea(tamanoMaximoPartida, '\0');
        const int largo = js_leer(linea.data(), int(linea.size()));
        if (largo < 0 || std::size_t(largo) > tamanoMaximoPartida)
            return std::nullopt;
        linea.resize(std::size_t(largo));
        return linea;
    }
};


// The game window as the page shows it. The list and the command box are
// sent once the input has run, so a screen reader hears the answer once.
class VentanaWeb final : public Ventana {
public:
    void VaciarLista() override
    {
        lineas.clear();
        vaciada = true;
    }
    void AnadirLinea(std::u16string_view linea) override { lineas.emplace_back(linea); }
    std::u16string LeerOrdenes() const override { return ordenes; }
    void PonerOrdenes(std::u16string_view texto) override
    {
        ordenes = texto;
        desde = hasta = 0;
        ordenesCambiadas = true;
    }
    void InsertarOrdenes(std::u16string_view texto) override
    {
        ordenes.replace(desde, hasta - desde, texto);
        desde = hasta = desde + texto.size();
        ordenesCambiadas = true;
    }
    void CargarImagen(Imagen imagen, std::u16string_view fichero) override
    {
        const std::string ruta = FotoEnPagina(std::string(carpetaDelJuego) + Utf8(fichero));
        js_foto(imagen == Imagen::Personaje, ruta.c_str());
    }
    void MostrarPersonaje(bool visible) override { js_personaje(visible); }
    void MostrarFinal() override { ganado = true; }
    void Despedirse(std::u16string_view texto) override { despedida = texto; }

    // The command box as the player left it, before an input runs.
    void LeerCaja()
    {
        std::u16string texto(largoMaximoOrden, u'\0');
        int principio = 0, fin = 0;
        texto.resize(std::size_t(js_leer_ordenes(texto.data(), largoMaximoOrden, &principio, &fin)));
        ordenes = std::move(texto);
        desde = std::size_t(principio);
        hasta = std::size_t(fin);
        ordenesCambiadas = false;
    }

    // What the input changed, to the page.
    void Publicar(const Juego& juego)
    {
        if (vaciada || !lineas.empty()) {
            std::u16string texto;
            for (const std::u16string& linea : lineas) {
                if (&linea != &lineas.front())
                    texto += u'\n';
                texto += linea;
            }
            js_responder(vaciada, int(lineas.size()), texto.data(), int(texto.size()));
        }
        lineas.clear();
        vaciada = false;
        if (ordenesCambiadas)
            js_ordenes(ordenes.data(), int(ordenes.size()), int(desde));
        const std::u16string_view lugar = juego.NombreLugar(), personaje = juego.NombrePersonaje();
        js_nombres(lugar.data(), int(lugar.size()), personaje.data(), int(personaje.size()));
        if (ganado)
            js_final();
        if (despedida) {
            const Mensaje& salir = MensajeSalir();
            js_aviso(salir.titulo.data(), int(salir.titulo.size()), despedida->data(), int(despedida->size()),
                salir.exclamacion, true);
            despedida.reset();
        }
        ganado = false;
    }

private:
    std::vector<std::u16string> lineas;
    bool vaciada = false;
    std::u16string ordenes;
    std::size_t desde = 0, hasta = 0;
    bool ordenesCambiadas = false;
    bool ganado = false;
    std::optional<std::u16string> despedida;
};

VentanaWeb ventana;
AlmacenWeb almacen;
Juego juego(ventana, almacen, ElMonjeTalpin());
Historial historial;

// One input: the box read as the player left it, the game run, the page told.
template <typename Entrada> void Atender(Entrada entrada)
{
    ventana.LeerCaja();
    entrada();
    ventana.Publicar(juego);
}

// A menu item's failure, in a message box named after the item, with the
// game's own line for it.
void AvisarFallo(std::string_view opcion, std::u16string_view texto)
{
    const std::u16string_view titulo = Buscar(PantallaPrincipal(), opcion).texto;
    js_aviso(titulo.data(), int(titulo.size()), texto.data(), int(texto.size()), false, false);
}

} // namespace

extern "C" {

// The first "Juego": the game window's first showing.
EMSCRIPTEN_KEEPALIVE void talpin_empezar()
{
    Atender([] { juego.Empezar(); });
}

EMSCRIPTEN_KEEPALIVE void talpin_intro()
{
    Atender([] {
        historial.Anotar(ventana.LeerOrdenes());
        juego.Pulsar(Mando::Intro);
    });
}

EMSCRIPTEN_KEEPALIVE void talpin_esc()
{
    Atender([] { juego.Pulsar(Mando::Esc); });
}

// Up (1) or Down (0) in the command box; the caret goes to the end, to go on typing.
EMSCRIPTEN_KEEPALIVE void talpin_recordar(int arriba)
{
    const std::optional<std::u16string> orden = arriba ? historial.Anterior() : historial.Siguiente();
    if (orden)
        js_ordenes(orden->data(), int(orden->size()), int(orden->size()));
}

// A control of the game window, by its number (the value web/pagina.cpp gives it).
EMSCRIPTEN_KEEPALIVE void talpin_pulsar(int mando)
{
    if (mando >= 0 && mando <= int(Mando::Esc))
        Atender([mando] { juego.Pulsar(Mando(mando)); });
}

// "Descargar partida": the saved game as the desktop's file holds it.
EMSCRIPTEN_KEEPALIVE void talpin_descargar()
{
    if (const std::optional<GameState> estado = LeerPartida(almacen)) {
        const std::string linea = TextoPartida(*estado);
        js_descargar(linea.data(), int(linea.size()));
    } else {
        AvisarFallo("descargar", ElMonjeTalpin().textos.noCargada);
    }
}

// "Subir partida": a desktop's file becomes the saved game, if the game's
// "Cargar" would take it; otherwise nothing changes.
EMSCRIPTEN_KEEPALIVE void talpin_subir()
{
    std::string texto(tamanoMaximoPartida + 1, '\0');
    texto.resize(std::min(texto.size(), std::size_t(js_leer_subida(texto.data(), int(texto.size())))));
    const std::optional<GameState> estado = LeerPartida(texto);
    if (!estado)
        AvisarFallo("subir", ElMonjeTalpin().textos.noCargada);
    else if (!almacen.Guardar(TextoPartida(*estado)))
        AvisarFallo("subir", ElMonjeTalpin().textos.noGuardada);
}

} // extern "C"
