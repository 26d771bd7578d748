// Orders and clicks sent to the game through its window, checking after each
// one what must always hold. The input is a list of lines: a line is typed
// at the caret and Enter pressed, except "@" and a letter, which stand for a
// click or key (see Pulsar).
#include "comprobar.h"

#include "core/coincide.h"
#include "core/juego.h"
#include "core/utf8.h"
#include "core/ventana_memoria.h"
#include "plataforma/fichero_partida.h"
#include "world/acciones.h"
#include "world/escenas.h"
#include "world/frases.h"
#include "world/historia.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

namespace {

bool Entre(std::int16_t valor, std::int16_t menor, std::int16_t mayor)
{
    return valor >= menor && valor <= mayor;
}

// Every field holds one of the values the game gives it.
void ComprobarEstado(const GameState& estado)
{
    EXIGIR(Entre(estado.lugar, Calle, Dormitorio));
    for (std::int16_t campo : {estado.astilla, estado.hierro, estado.cayena, estado.guantes, estado.condones,
                               estado.astillaPicante, estado.supremusPinchado, estado.condonesCalientes,
                               estado.movil, estado.receta})
        EXIGIR(Entre(campo, 0, 1));
    for (std::int16_t campo : {estado.jabon, estado.manzana, estado.salfuman, estado.numeroPozo})
        EXIGIR(Entre(campo, 0, 2));
    EXIGIR(estado.ingredientes >= 0);
}

// The row that the interpreter will run for the order in the box, if any.
const Frase* FilaDe(std::u16string_view orden, std::int16_t lugar)
{
    for (const Frase& fila : TablaFrases)
        if ((fila.lugar == Cualquiera || fila.lugar == lugar) && Coincide(fila.frase, orden))
            return &fila;
    return nullptr;
}

struct Prueba {
    VentanaMemoria ventana;
    FicheroPartida fichero;
    Juego juego{ventana, fichero, ElMonjeTalpin()};
    // The character picture stands wherever a character does, from each
    // arrival or load on, until Fray Supremus goes away to cure his prick.
    bool personajeEsperado = true;

    // A click or key of the window; false for an unknown one.
    bool Pulsar(char tecla, std::u16string_view resto)
    {
        constexpr std::pair<char, Mando> mandos[] = {
            {'h', Mando::Hablar}, {'m', Mando::Mirar}, {'u', Mando::Usar}, {'e', Mando::Mentir},
            {'c', Mando::Coger}, {'l', Mando::Lugar}, {'p', Mando::Personaje}, {'s', Mando::Salidas},
            {'o', Mando::Objetos}, {'g', Mando::Guardar}, {'r', Mando::Cargar}, {'x', Mando::Limpiar},
            {'q', Mando::Esc},
        };
        for (const auto& [letra, mando] : mandos) {
            if (letra == tecla) {
                if (mando != Mando::Personaje || ventana.personajeVisible) // a hidden picture takes no clicks
                    juego.Pulsar(mando);
                return true;
            }
        }
        if (tecla == 't') // typed, no Enter
            ventana.InsertarOrdenes(resto);
        else if (tecla == 'k') // the caret moved
            ventana.cursor = resto.empty() ? 0 : resto.front() % (ventana.ordenes.size() + 1);
        else
            return false;
        return true;
    }

    void Linea(std::u16string_view linea)
    {
        const GameState antes = juego.estado;
        bool seVaSupremus = false;
        const char tecla = linea.size() >= 2 && linea[0] == u'@' && linea[1] < 0x80 ? char(linea[1]) : 0;
        const bool orden = !Pulsar(tecla, linea.substr(std::min<std::size_t>(linea.size(), 2)));
        if (orden) {
            ventana.InsertarOrdenes(linea);
            // Only the spicy splinter sends him away.
            if (antes.lugar == Cocina && antes.astillaPicante == 1) {
                const Frase* fila = FilaDe(ventana.ordenes, antes.lugar);
                seVaSupremus = fila && fila->accion.procedimiento == &UsarAstillaFraySupremus;
            }
            juego.Pulsar(Mando::Intro);
        }
        if (ventana.Terminado())
            return;

        const GameState& estado = juego.estado;
        ComprobarEstado(estado);
        const Escena& escena = Escenas[estado.lugar - Calle];
        const bool cargada = tecla == 'r' && ventana.lista.empty();
        if (estado.lugar != antes.lugar || cargada)
            personajeEsperado = !escena.fotoPersonaje.empty();
        else if (seVaSupremus)
            personajeEsperado = false;

        EXIGIR(MismoFichero(ventana.image3, escena.foto));
        EXIGIR(ventana.personajeVisible == personajeEsperado);
        // Until the first move the window shows the Fray Cabronus it opened with.
        if (ventana.personajeVisible)
            EXIGIR(ventana.image2.empty() ? estado.lugar == Calle : MismoFichero(ventana.image2, escena.fotoPersonaje));
        if (orden)
            EXIGIR(ventana.ordenes.empty());
        EXIGIR(ventana.cursor <= ventana.ordenes.size());
    }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    TrabajarEnCarpetaPropia();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano)
{
    std::remove("partida"); // no save from an earlier input
    Prueba prueba;
    prueba.juego.Empezar();
    std::string_view entrada(reinterpret_cast<const char*>(datos), tamano);
    for (bool mas = true; mas && !prueba.ventana.Terminado();) {
        const std::size_t fin = entrada.find('\n');
        mas = fin != entrada.npos;
        prueba.Linea(Utf16(entrada.substr(0, fin)));
        if (mas)
            entrada.remove_prefix(fin + 1);
    }
    return 0;
}
