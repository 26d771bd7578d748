#include "core/juego.h"
#include "core/lugares.h"

using namespace Qt::Literals::StringLiterals;

void Juego::Empezar()
{
    ventana.AnadirLinea(u"Estás en la casa de Fray Supremus, también te acompaña Fray Cabronus."_s);
    estado.lugar = Calle;
    // Fray Cabronus keeps the stored picture the window opened with.
    ventana.CargarImagen(Imagen::Lugar, FotosDe(Calle).lugar.toString());
}

void Juego::PulsarVerbo(Verbo verbo)
{
    switch (verbo) {
    case Verbo::Hablar: ventana.PonerOrdenes(u"Hablar "_s); break;
    case Verbo::Mirar: ventana.PonerOrdenes(u"Mirar "_s); break;
    case Verbo::Usar: ventana.PonerOrdenes(u"Usar "_s); break;
    case Verbo::Mentir: ventana.PonerOrdenes(u"Mentir "_s); break;
    case Verbo::Coger: ventana.PonerOrdenes(u"coger "_s); break;
    }
}

void Juego::Limpiar()
{
    ventana.VaciarLista();
    ventana.PonerOrdenes(QString());
}
