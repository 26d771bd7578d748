#include "core/juego.h"

void Juego::Empezar()
{
    ventana.AnadirLinea(historia.textos.apertura);
    estado.lugar = Calle;
    // The character keeps the stored picture the window opened with.
    ventana.CargarImagen(Imagen::Lugar, EscenaActual()->foto);
}

void Juego::Pulsar(Mando mando)
{
    switch (mando) {
    case Mando::Hablar:
    case Mando::Mirar:
    case Mando::Usar:
    case Mando::Mentir:
    case Mando::Coger:
        PulsarVerbo(mando);
        break;
    case Mando::Lugar:
        DescribirLugar();
        break;
    case Mando::Personaje:
        PulsarPersonaje();
        break;
    case Mando::Salidas:
        Salidas();
        break;
    case Mando::Objetos:
        Objetos();
        break;
    case Mando::Guardar:
        Guardar();
        break;
    case Mando::Cargar:
        Cargar();
        break;
    case Mando::Limpiar:
        Limpiar();
        break;
    case Mando::Intro:
        Interpretar();
        break;
    case Mando::Esc:
        ventana.Despedirse(historia.textos.despedida);
        break;
    }
}

void Juego::PulsarVerbo(Mando verbo)
{
    ventana.PonerOrdenes(historia.textos.verbos.at(std::size_t(verbo)));
}

void Juego::Limpiar()
{
    ventana.VaciarLista();
    ventana.PonerOrdenes({});
}
