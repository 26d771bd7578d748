#include "core/juego.h"

#include <QStringView>

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

// Each place's description, one entry per line of the list.
const std::array<std::array<QStringView, 2>, 9> descripciones = {{
    {u"Estoy en la casa de Fray Supremus. La ventana está cubierta por barrotes, el garaje está completamente cerrado,",
     u"y la puerta está cubierta por una persiana, increible."},
    {u"Puedes ver una chimenea, a tu derecha están los armarios, y a la izquierda una gran puerta. Te llama la",
     u"atención, el expositor de especias. "},
    {u"Puedes ver un montón de arena, otro montón de piedras, y una salida al fondo"},
    {u"Estás en una segunda cocina, te llama la atención el microondas ..."},
    {u"Te encuentras una maldita verja que te impide el paso."},
    {u"Estás en el patio, puedes ver un pozo, un saco con basura, y una verja cerrada"},
    {u"Estás en el aseo, te interesa mucho el jabón líquido"},
    {u"Estás en el comedor, no hay nada mucho que te llame la atención, excepto el botijo"},
    {u"Estás en el dormitorio, te inpresionan los armarios"},
}};

const std::array<QStringView, 9> salidas = {
    u"La única salida es meterse en la casa, y así me quito de encima a este cabronazo ...",
    u"Hay puerta a la izquierda, para retroceder, escribe RETRO.",
    u"Hay una salida al fondo. Para retroceder, escribe RETRO.",
    u"Hay una puerta a la izquierda, para retroceder escribe RETRO.",
    u"Hay un verja que te impide el paso... Escribe RETRO para retroceder.",
    u"Hay una puerta a mi izquierda, y un pasillo al fondo.",
    u"No hay salidas, sólo retroceder escribiendo RETRO.",
    u"Hay una puerta justo delante, para retroceder escribe RETRO",
    u"La única salida que hay es retroceder escribiendo RETRO",
};

// The character of a place: the name a click puts into the command box and
// the orders it completes.
struct Personaje {
    qint16 lugar;
    QStringView nombre;
    void (Juego::*mirar)();
    void (Juego::*hablar)();
    void (Juego::*mentir)();
};

const std::array<Personaje, 3> personajes = {{
    {Calle, u"Fray Cabronus ", &Juego::MirarFrayCabronus, &Juego::HablarFrayCabronus,
     &Juego::MentirFrayCabronus},
    {Cocina, u"Fray Supremus ", &Juego::MirarFraySupremus, &Juego::HablarFraySupremus,
     &Juego::MentirFraySupremus},
    {Patio, u"Extraño ", &Juego::MirarExtrano, &Juego::HablarExtrano, &Juego::MentirExtrano},
}};

} // namespace

void Juego::DescribirLugar()
{
    if (!EsLugar(estado.lugar))
        return;
    ventana.VaciarLista();
    for (QStringView linea : descripciones[estado.lugar - Calle])
        if (!linea.isEmpty())
            ventana.AnadirLinea(linea.toString());
    ventana.PonerOrdenes(QString());
}

void Juego::Salidas()
{
    if (!EsLugar(estado.lugar))
        return;
    ventana.VaciarLista();
    ventana.PonerOrdenes(QString());
    ventana.AnadirLinea(salidas[estado.lugar - Calle].toString());
}

void Juego::Objetos()
{
    ventana.VaciarLista();
    const auto poner = [this](QStringView linea) { ventana.AnadirLinea(linea.toString()); };
    poner(u"OBJETOS:");
    if (estado.hierro == 1)
        poner(u"- Un hierro");
    if (estado.cayena == 1)
        poner(u"- Un bote de cayena molida");
    if (estado.guantes == 1)
        poner(u"- Un paquete de guantes de latex");
    if (estado.astillaPicante == 1)
        poner(u"- Una astilla grande y picante");
    else if (estado.astilla == 1)
        poner(u"- Una astilla grande");
    if (estado.condonesCalientes == 1)
        poner(u"- Una caja de condones caliente");
    else if (estado.condones == 1)
        poner(u"- Una caja de condones sin usar");
    if (estado.movil == 1 && estado.numeroPozo == 1)
        poner(u"- Un teléfono móvil, y un número");
    else if (estado.movil == 1)
        poner(u"- Un teléfono móvil");
    if (estado.jabon == 1)
        poner(u"- Jabón líquido");
    if (estado.ingredientes == 3)
        poner(u"- Recipiente del jabón con suero de la verdad.");
    else if (estado.jabon == 2)
        poner(u"- Recipiente del jabón vacío");
    if (estado.receta == 1)
        poner(u"- Receta");
    if (estado.manzana == 1)
        poner(u"- Una manzana podrida");
    if (estado.salfuman == 1)
        poner(u"- Una botella de salfumán");
    ventana.PonerOrdenes(QString());
}

void Juego::PulsarPersonaje()
{
    for (const Personaje& personaje : personajes) {
        if (personaje.lugar != estado.lugar)
            continue;
        // Verb picture, then character: "Mirar " becomes "Fray Supremus Mirar ".
        // Each test reads the box anew, so at most one order runs.
        const QString nombre = personaje.nombre.toString();
        ventana.InsertarOrdenes(nombre);
        if (ventana.LeerOrdenes() == nombre + u"Mirar "_s)
            (this->*personaje.mirar)();
        if (ventana.LeerOrdenes() == nombre + u"Hablar "_s)
            (this->*personaje.hablar)();
        if (ventana.LeerOrdenes() == nombre + u"Mentir "_s)
            (this->*personaje.mentir)();
        return;
    }
}

QString Juego::NombrePersonaje() const
{
    for (const Personaje& personaje : personajes)
        if (personaje.lugar == estado.lugar)
            return personaje.nombre.trimmed().toString();
    return QString();
}
