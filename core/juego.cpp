#include "core/juego.h"

#include "core/coincide.h"
#include "core/frases.h"

using namespace Qt::Literals::StringLiterals;

Juego::Juego(Ventana& ventana) : ventana(ventana) {}

void Juego::Responder(std::initializer_list<QStringView> lineas)
{
    ventana.VaciarLista();
    for (QStringView linea : lineas)
        ventana.AnadirLinea(linea.toString());
    ventana.PonerOrdenes(QString());
}

void Juego::ResponderSegun(qint16 campo, QStringView con0, QStringView con1)
{
    if (campo == 0)
        Responder({con0});
    else if (campo == 1)
        Responder({con1});
    else
        Responder({});
}

void Juego::Tecla(int codigo)
{
    if (codigo == TeclaIntro)
        Interpretar();
    else if (codigo == TeclaEsc)
        ventana.Despedirse(u"¡Gracias por jugar!, y vuelva pronto"_s);
}

void Juego::Interpretar()
{
    const bool lugarValido = EsLugar(estado.lugar);
    // The phrases are written in upper case; the order is put so once.
    const QString orden = Mayusculas(ventana.LeerOrdenes());
    for (const Frase& fila : TablaFrases) {
        if (fila.lugar != Cualquiera && fila.lugar != estado.lugar)
            continue;
        if (!CoincideEnMayusculas(fila.frase, orden))
            continue;
        if (fila.accion.procedimiento)
            (this->*fila.accion.procedimiento)();
        else
            Mover(fila.accion.destino);
        return;
    }
    // A damaged saved game can leave us nowhere: only the rows valid in
    // every place answer then.
    if (lugarValido)
        NoEntendido();
}

void Juego::NoEntendido()
{
    Responder({u"Intenta expresarte de otra manera ..."});
}
