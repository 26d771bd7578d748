#include "core/juego.h"

#include "core/coincide.h"

Juego::Juego(Ventana& ventana, Almacen& almacen, const Historia& historia)
    : ventana(ventana), almacen(almacen), historia(historia)
{
    letrasDeFrases.reserve(historia.frases.size());
    for (const Frase& fila : historia.frases)
        letrasDeFrases.push_back(Letras(fila.frase));
}

void Juego::Responder(std::initializer_list<std::u16string_view> lineas)
{
    ventana.VaciarLista();
    for (std::u16string_view linea : lineas)
        ventana.AnadirLinea(linea);
    ventana.PonerOrdenes({});
}

void Juego::ResponderSegun(std::int16_t campo, std::u16string_view con0, std::u16string_view con1)
{
    if (campo == 0)
        Responder({con0});
    else if (campo == 1)
        Responder({con1});
    else
        Responder({});
}

void Juego::Interpretar()
{
    // The phrases are written in upper case; the order is put so once.
    const std::u16string orden = Mayusculas(ventana.LeerOrdenes());
    const std::uint64_t letras = Letras(orden);
    for (std::size_t i = 0; i < historia.frases.size(); ++i) {
        const Frase& fila = historia.frases[i];
        if (fila.lugar != Cualquiera && fila.lugar != estado.lugar)
            continue;
        if ((letrasDeFrases[i] & ~letras) != 0 || !CoincideEnMayusculas(fila.frase, orden))
            continue;
        if (fila.accion.procedimiento)
            fila.accion.procedimiento(*this);
        else
            Mover(fila.accion.destino);
        return;
    }
    // A damaged saved game can leave us nowhere: only the rows valid in
    // every place answer then.
    if (EsLugar(estado.lugar))
        NoEntendido();
}

void Juego::NoEntendido()
{
    Responder({historia.textos.noEntendido});
}
