#include "core/juego.h"

void Juego::MostrarFotosDelLugar()
{
    const Escena* escena = EscenaActual();
    if (!escena)
        return;
    ventana.CargarImagen(Imagen::Lugar, escena->foto);
    if (escena->fotoPersonaje.empty()) {
        ventana.MostrarPersonaje(false);
    } else {
        ventana.MostrarPersonaje(true);
        ventana.CargarImagen(Imagen::Personaje, escena->fotoPersonaje);
    }
}

void Juego::Mover(Lugar destino)
{
    const Lugar desde = Lugar(estado.lugar);
    estado.lugar = destino;

    MostrarFotosDelLugar();

    ventana.VaciarLista();
    for (const Llegada& llegada : historia.llegadas)
        if (llegada.desde == desde && llegada.hasta == destino)
            for (std::u16string_view linea : llegada.lineas)
                if (!linea.empty())
                    ventana.AnadirLinea(linea);
    ventana.PonerOrdenes({});
}
