// Orders and clicks sent to the game through its window, checking after each
// one what must always hold. The input is a list of lines: a line is typed
// at the caret and Enter pressed, except "@" and a letter, which stand for a
// click or key (see Pulsar).
#include "comprobar.h"
#include "ventana_memoria.h"

#include "core/coincide.h"
#include "core/frases.h"
#include "core/juego.h"
#include "core/lugares.h"

#include <QFile>

#include <cstddef>
#include <cstdint>

using namespace Qt::Literals::StringLiterals;

namespace {

bool Igual(const QString& fichero, QStringView nombre)
{
    return fichero.compare(nombre, Qt::CaseInsensitive) == 0;
}

bool Entre(qint16 valor, qint16 menor, qint16 mayor)
{
    return valor >= menor && valor <= mayor;
}

// Every field holds one of the values the game gives it.
void ComprobarEstado(const GameState& estado)
{
    EXIGIR(Entre(estado.lugar, Calle, Dormitorio));
    for (qint16 campo : {estado.astilla, estado.hierro, estado.cayena, estado.guantes, estado.condones,
                         estado.astillaPicante, estado.supremusPinchado, estado.condonesCalientes,
                         estado.movil, estado.receta})
        EXIGIR(Entre(campo, 0, 1));
    for (qint16 campo : {estado.jabon, estado.manzana, estado.salfuman, estado.numeroPozo})
        EXIGIR(Entre(campo, 0, 2));
    EXIGIR(estado.ingredientes >= 0);
}

// The row that the interpreter will run for the order in the box, if any.
const Frase* FilaDe(const QString& orden, qint16 lugar)
{
    for (const Frase& fila : TablaFrases)
        if ((fila.lugar == Cualquiera || fila.lugar == lugar) && Coincide(fila.frase.toString(), orden))
            return &fila;
    return nullptr;
}

struct Prueba {
    VentanaMemoria ventana;
    Juego juego{ventana};
    // The character picture stands wherever a character does, from each
    // arrival or load on, until Fray Supremus goes away to cure his prick.
    bool personajeEsperado = true;

    // A click or key of the window; false for an unknown one.
    bool Pulsar(char tecla, QStringView resto)
    {
        switch (tecla) {
        case 'l': juego.DescribirLugar(); break;
        case 'p':
            if (ventana.personajeVisible) // a hidden picture takes no clicks
                juego.PulsarPersonaje();
            break;
        case 'h': juego.PulsarVerbo(Verbo::Hablar); break;
        case 'm': juego.PulsarVerbo(Verbo::Mirar); break;
        case 'u': juego.PulsarVerbo(Verbo::Usar); break;
        case 'e': juego.PulsarVerbo(Verbo::Mentir); break;
        case 'c': juego.PulsarVerbo(Verbo::Coger); break;
        case 'o': juego.Objetos(); break;
        case 's': juego.Salidas(); break;
        case 'g': juego.Guardar(); break;
        case 'r': juego.Cargar(); break;
        case 'x': juego.Limpiar(); break;
        case 't': ventana.InsertarOrdenes(resto.toString()); break;   // typed, no Enter
        case 'k':                                                     // the caret moved
            ventana.cursor = resto.isEmpty() ? 0 : resto.front().unicode() % (ventana.ordenes.size() + 1);
            break;
        case 'q': juego.Tecla(TeclaEsc); break;
        default: return false;
        }
        return true;
    }

    void Linea(const QString& linea)
    {
        const GameState antes = juego.estado;
        bool seVaSupremus = false;
        const char tecla = linea.size() >= 2 && linea[0] == u'@' ? linea[1].toLatin1() : 0;
        const bool orden = !Pulsar(tecla, QStringView(linea).sliced(qMin(linea.size(), qsizetype(2))));
        if (orden) {
            ventana.InsertarOrdenes(linea);
            // Only the spicy splinter sends him away.
            if (antes.lugar == Cocina && antes.astillaPicante == 1) {
                const Frase* fila = FilaDe(ventana.ordenes, antes.lugar);
                seVaSupremus = fila && fila->accion.procedimiento == &Juego::UsarAstillaFraySupremus;
            }
            juego.Tecla(TeclaIntro);
        }
        if (ventana.terminado)
            return;

        const GameState& estado = juego.estado;
        ComprobarEstado(estado);
        const Fotos& fotos = FotosDe(Lugar(estado.lugar));
        const bool cargada = tecla == 'r' && ventana.lista.isEmpty();
        if (estado.lugar != antes.lugar || cargada)
            personajeEsperado = !fotos.personaje.isEmpty();
        else if (seVaSupremus)
            personajeEsperado = false;

        EXIGIR(Igual(ventana.image3, fotos.lugar));
        EXIGIR(ventana.personajeVisible == personajeEsperado);
        // Until the first move the window shows the Fray Cabronus it opened with.
        if (ventana.personajeVisible)
            EXIGIR(ventana.image2.isEmpty() ? estado.lugar == Calle : Igual(ventana.image2, fotos.personaje));
        if (orden)
            EXIGIR(ventana.ordenes.isEmpty());
        EXIGIR(ventana.cursor >= 0 && ventana.cursor <= ventana.ordenes.size());
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
    QFile::remove(u"partida"_s); // no save from an earlier input
    Prueba prueba;
    prueba.juego.Empezar();
    const QByteArray entrada(reinterpret_cast<const char*>(datos), qsizetype(tamano));
    for (const QByteArray& linea : entrada.split('\n')) {
        prueba.Linea(QString::fromUtf8(linea));
        if (prueba.ventana.terminado)
            break;
    }
    return 0;
}
