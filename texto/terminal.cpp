#include "texto/terminal.h"

#include "texto/ayuda.h"

#include "core/partida.h"
#include "core/utf8.h"
#include "world/historia.h"
#include "world/textos_final.h"

#include <algorithm>
#include <ostream>

namespace {

void Escribir(std::ostream& salida, std::u16string_view linea)
{
    salida << Utf8(linea) << '\n';
}

template <typename Lineas>
void EscribirTodas(std::ostream& salida, const Lineas& lineas)
{
    for (std::u16string_view linea : lineas)
        Escribir(salida, linea);
}

} // namespace

Terminal::Terminal() : juego(ventana, partida, ElMonjeTalpin())
{
    juego.Empezar();
}

bool Terminal::Ejecutar(std::string_view entrada, std::ostream& salida, std::ostream& errores)
{
    std::u16string linea = Utf16(entrada);
    if (linea.ends_with(u'\r'))
        linea.pop_back();

    bool mostrarLista = true;
    if (linea.starts_with(u':')) {
        mostrarLista = Comando(std::u16string_view(linea).substr(1), salida, errores);
    } else {
        // Typed into the box, then Enter.
        ventana.ordenes = linea;
        ventana.cursor = linea.size();
        juego.Pulsar(Mando::Intro);
    }

    if (ventana.final)
        EscribirTodas(salida, TextosFinal);
    else if (!ventana.despedida.empty())
        Escribir(salida, ventana.despedida);
    else if (mostrarLista)
        EscribirTodas(salida, ventana.lista);
    salida << std::endl;
    return !ventana.Terminado();
}

void Terminal::MostrarLista(std::ostream& salida) const
{
    EscribirTodas(salida, ventana.lista);
    salida << std::endl;
}

bool Terminal::Comando(std::u16string_view comando, std::ostream& salida, std::ostream& errores)
{
    const std::string nombre = Utf8(comando);
    for (const NombreMando& mando : nombresMandos) {
        if (nombre == mando.nombre) {
            // A hidden picture takes no clicks.
            if (mando.mando != Mando::Personaje || ventana.personajeVisible)
                juego.Pulsar(mando.mando);
            return true;
        }
    }
    constexpr std::u16string_view escribir = u"escribir ";
    if (comando == escribir.substr(0, escribir.size() - 1) || comando.starts_with(escribir)) {
        ventana.InsertarOrdenes(comando.substr(std::min(comando.size(), escribir.size())));
        return true;
    }
    if (comando == u"estado") {
        const std::string partida = TextoPartida(juego.estado);
        salida << partida.substr(0, partida.size() - 2) << '\n';
        Escribir(salida, u"Image3: " + ventana.image3);
        Escribir(salida, !ventana.personajeVisible ? u"Image2: oculta"
                         : ventana.image2.empty()  ? u"Image2: (inicial)"
                                                   : u"Image2: " + ventana.image2);
        Escribir(salida, u"ordenes: " + ventana.ordenes);
        return false;
    }
    if (comando == u"ayuda") {
        EscribirAyuda(salida);
        return false;
    }
    errores << "talpin-texto: orden desconocida «:" << nombre << "»; escribe :ayuda para ver la lista"
            << std::endl;
    return true;
}
