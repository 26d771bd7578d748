#include "texto/terminal.h"

#include "texto/ayuda.h"

#include "core/partida.h"
#include "core/textos_final.h"

#include <ostream>

using namespace Qt::Literals::StringLiterals;

namespace {

void Escribir(std::ostream& salida, const QString& linea)
{
    salida << linea.toStdString() << '\n';
}

void Escribir(std::ostream& salida, const QStringList& lineas)
{
    for (const QString& linea : lineas)
        Escribir(salida, linea);
}

// The clicks and keys that run a handler of the game window.
struct Pulsacion {
    const char* nombre;
    void (*hacer)(Juego&);
};

const Pulsacion pulsaciones[] = {
    {"lugar", [](Juego& juego) { juego.DescribirLugar(); }},
    {"hablar", [](Juego& juego) { juego.PulsarVerbo(Verbo::Hablar); }},
    {"mirar", [](Juego& juego) { juego.PulsarVerbo(Verbo::Mirar); }},
    {"usar", [](Juego& juego) { juego.PulsarVerbo(Verbo::Usar); }},
    {"mentir", [](Juego& juego) { juego.PulsarVerbo(Verbo::Mentir); }},
    {"coger", [](Juego& juego) { juego.PulsarVerbo(Verbo::Coger); }},
    {"objetos", [](Juego& juego) { juego.Objetos(); }},
    {"salidas", [](Juego& juego) { juego.Salidas(); }},
    {"guardar", [](Juego& juego) { juego.Guardar(); }},
    {"cargar", [](Juego& juego) { juego.Cargar(); }},
    {"limpiar", [](Juego& juego) { juego.Limpiar(); }},
    {"enter", [](Juego& juego) { juego.Tecla(TeclaIntro); }},
    {"esc", [](Juego& juego) { juego.Tecla(TeclaEsc); }},
};

} // namespace

Terminal::Terminal() : juego(ventana)
{
    juego.Empezar();
}

bool Terminal::Ejecutar(QString linea, std::ostream& salida, std::ostream& errores)
{
    if (linea.endsWith(u'\r'))
        linea.chop(1);

    bool mostrarLista = true;
    if (linea.startsWith(u':')) {
        mostrarLista = Comando(linea.sliced(1), salida, errores);
    } else {
        // Typed into the box, then Enter.
        ventana.ordenes = linea;
        ventana.cursor = linea.size();
        juego.Tecla(TeclaIntro);
    }

    if (ventana.final)
        Escribir(salida, TextosFinal());
    else if (!ventana.despedida.isEmpty())
        Escribir(salida, ventana.despedida);
    else if (mostrarLista)
        Escribir(salida, ventana.lista);
    salida << std::endl;
    return !ventana.final && ventana.despedida.isEmpty();
}

void Terminal::MostrarLista(std::ostream& salida) const
{
    Escribir(salida, ventana.lista);
    salida << std::endl;
}

bool Terminal::Comando(const QString& comando, std::ostream& salida, std::ostream& errores)
{
    for (const Pulsacion& pulsacion : pulsaciones) {
        if (comando == QLatin1StringView(pulsacion.nombre)) {
            pulsacion.hacer(juego);
            return true;
        }
    }
    if (comando == u"personaje"_s) {
        // A hidden picture takes no clicks.
        if (ventana.personajeVisible)
            juego.PulsarPersonaje();
        return true;
    }
    const QString escribir = u"escribir "_s;
    if (comando == escribir.trimmed() || comando.startsWith(escribir)) {
        ventana.InsertarOrdenes(comando.sliced(qMin(comando.size(), escribir.size())));
        return true;
    }
    if (comando == u"estado"_s) {
        Escribir(salida, QString::fromLatin1(TextoPartida(juego.estado).chopped(2)));
        Escribir(salida, u"Image3: "_s + ventana.image3);
        Escribir(salida, !ventana.personajeVisible ? u"Image2: oculta"_s
                         : ventana.image2.isEmpty() ? u"Image2: (inicial)"_s
                                                    : u"Image2: "_s + ventana.image2);
        Escribir(salida, u"ordenes: "_s + ventana.ordenes);
        return false;
    }
    if (comando == u"ayuda"_s) {
        EscribirAyuda(salida);
        return false;
    }
    errores << "talpin-texto: orden desconocida «:" << comando.toStdString()
            << "»; escribe :ayuda para ver la lista" << std::endl;
    return true;
}
