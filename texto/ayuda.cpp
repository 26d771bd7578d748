#include "texto/ayuda.h"

#include <ostream>

namespace {

const char comoJugar[] =
    "Escribe órdenes como «MIRAR POZO» y pulsa Intro. Verbos: HABLAR, MIRAR, USAR, MENTIR y COGER;"
    " RETRO vuelve atrás.\n";

const char titulo[] = "El monje Talpín\n";

const char comoPedirAyuda[] = "Escribe :ayuda para ver los comandos que hacen de clics.\n";

const char comandos[] =
    "O usa estos comandos, que hacen de clics y teclas de la ventana:\n"
    ":lugar :personaje            pulsar la imagen del lugar o del personaje\n"
    ":hablar :mirar :usar :mentir :coger   pulsar un verbo\n"
    ":objetos :salidas :guardar :cargar :limpiar   pulsar un botón\n"
    ":escribir TEXTO              escribir en el cursor, sin Intro\n"
    ":enter :esc                  pulsar Intro o Esc\n"
    ":estado                      ver el estado de la partida\n";

} // namespace

void EscribirBienvenida(std::ostream& salida)
{
    salida << titulo << '\n' << comoJugar << comoPedirAyuda << '\n';
}

void EscribirAyuda(std::ostream& salida)
{
    salida << comoJugar << comandos;
}
