#include "world/historia.h"

#include "world/escenas.h"
#include "world/frases.h"

const Historia& ElMonjeTalpin()
{
    static const Historia historia{
        TablaFrases,
        Escenas,
        Llegadas,
        Personajes,
        ListarObjetos,
        {
            .apertura = u"Estás en la casa de Fray Supremus, también te acompaña Fray Cabronus.",
            .noEntendido = u"Intenta expresarte de otra manera ...",
            .despedida = u"¡Gracias por jugar!, y vuelva pronto",
            .verbos = {u"Hablar ", u"Mirar ", u"Usar ", u"Mentir ", u"coger "},
            .cabeceraObjetos = u"OBJETOS:",
            .guardada = u"Partida guardada",
            .noGuardada = u"No se ha podido guardar la partida.",
            .noCargada =
                u"No se puede cargar la partida porque no hay ninguna guardada o no se ha podido leer el fichero.",
        },
    };
    return historia;
}
