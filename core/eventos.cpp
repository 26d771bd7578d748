#include "core/juego.h"

void Juego::Empezar()
{
    ventana.AnadirLinea(historia.textos.apertura);
    estado.lugar = Calle;
    // The character keeps the stored picture the window opened with.
    ventana.CargarImagen(Imagen::Lugar, EscenaActual()->foto);
}

void Juego::PulsarVerbo(Verbo verbo)
{
    ventana.PonerOrdenes(historia.textos.verbos.at(std::size_t(verbo)));
}

void Juego::Limpiar()
{
    ventana.VaciarLista();
    ventana.PonerOrdenes({});
}
