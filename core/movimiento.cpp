#include "core/juego.h"
#include "core/lugares.h"

#include <QStringView>

#include <array>

namespace {

struct Llegada {
    Lugar desde;
    Lugar hasta;
    std::array<QStringView, 2> lineas; // unused ones stay empty
};

const Llegada llegadas[] = {
    {Calle, Cocina, {u"Estás dentro de la casa, y ves a Fray Supremus."}},
    {Cocina, Calle, {}},
    {Garaje, Calle, {}},
    {Garaje, Verja, {u"Te encuentras con una verja cerrada"}},
    {SegundaCocina, Cocina,
     {u"FRAY SUPREMUS: ¿Qué pasa, que te gusta ir fisgoneando por mi casa?",
      u"TALPÍN: Pues sí, tío, me mola mogollón."}},
    {SegundaCocina, Patio,
     {u"Te encuentras en el patio, ves un saco de basura, un pozo, un extraño, y una verja al fondo"}},
    {Verja, Garaje, {}},
    {Patio, SegundaCocina, {u"Entras de nuevo a la segunda cocina"}},
    {Patio, Aseo, {u"Estás en el aseo"}},
    {Patio, Comedor, {u"Estás en el comedor"}},
    {Aseo, Patio, {u"Vuelves al patio"}},
    {Comedor, Patio,
     {u"Te encuentras en el patio, ves un saco de basura, un pozo, un extraño, y una verja al fondo"}},
    {Comedor, Dormitorio, {u"Estás en el dormitorio"}},
    {Dormitorio, Comedor, {u"Estás en el comedor"}},
};

} // namespace

void Juego::MostrarFotosDelLugar()
{
    const Fotos& fotos = FotosDe(Lugar(estado.lugar));
    ventana.CargarImagen(Imagen::Lugar, fotos.lugar.toString());
    if (fotos.personaje.isEmpty()) {
        ventana.MostrarPersonaje(false);
    } else {
        ventana.MostrarPersonaje(true);
        ventana.CargarImagen(Imagen::Personaje, fotos.personaje.toString());
    }
}

void Juego::Mover(Lugar destino)
{
    const Lugar desde = Lugar(estado.lugar);
    estado.lugar = destino;

    MostrarFotosDelLugar();

    ventana.VaciarLista();
    for (const Llegada& llegada : llegadas)
        if (llegada.desde == desde && llegada.hasta == destino)
            for (QStringView linea : llegada.lineas)
                if (!linea.isEmpty())
                    ventana.AnadirLinea(linea.toString());
    ventana.PonerOrdenes(QString());
}
