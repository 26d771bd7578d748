#include "core/juego.h"

const Escena* Juego::EscenaActual() const
{
    return EsLugar(estado.lugar) ? &historia.escenas[estado.lugar - Calle] : nullptr;
}

const Personaje* Juego::PersonajeActual() const
{
    for (const Personaje& personaje : historia.personajes)
        if (personaje.lugar == estado.lugar)
            return &personaje;
    return nullptr;
}

void Juego::DescribirLugar()
{
    const Escena* escena = EscenaActual();
    if (!escena)
        return;
    ventana.VaciarLista();
    for (std::u16string_view linea : escena->descripcion)
        if (!linea.empty())
            ventana.AnadirLinea(linea);
    ventana.PonerOrdenes({});
}

void Juego::Salidas()
{
    const Escena* escena = EscenaActual();
    if (!escena)
        return;
    ventana.VaciarLista();
    ventana.PonerOrdenes({});
    ventana.AnadirLinea(escena->salidas);
}

void Juego::Objetos()
{
    ventana.VaciarLista();
    ventana.AnadirLinea(historia.textos.cabeceraObjetos);
    historia.objetos(estado, ventana);
    ventana.PonerOrdenes({});
}

void Juego::PulsarPersonaje()
{
    const Personaje* personaje = PersonajeActual();
    if (!personaje)
        return;
    // Verb picture, then character: "Mirar " becomes "Fray Supremus Mirar ".
    // Each test reads the box anew, so at most one order runs.
    ventana.InsertarOrdenes(personaje->nombre);
    const auto dice = [&](Mando verbo) {
        const std::u16string_view texto = historia.textos.verbos.at(std::size_t(verbo));
        const std::u16string ordenes = ventana.LeerOrdenes();
        return ordenes.size() == personaje->nombre.size() + texto.size()
               && ordenes.starts_with(personaje->nombre) && ordenes.ends_with(texto);
    };
    if (dice(Mando::Mirar))
        personaje->mirar(*this);
    if (dice(Mando::Hablar))
        personaje->hablar(*this);
    if (dice(Mando::Mentir))
        personaje->mentir(*this);
}

std::u16string_view Juego::NombrePersonaje() const
{
    const Personaje* personaje = PersonajeActual();
    if (!personaje)
        return {};
    std::u16string_view nombre = personaje->nombre;
    while (nombre.ends_with(u' '))
        nombre.remove_suffix(1);
    return nombre;
}

std::u16string_view Juego::NombreLugar() const
{
    const Escena* escena = EscenaActual();
    return escena ? escena->nombre : std::u16string_view();
}
