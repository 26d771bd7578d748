#include "world/acciones.h"

#include "core/juego.h"

void CogerArena(Juego& juego)
{
    juego.Responder({u"¡No quiero mancharme las manos de arena!"});
}

void MirarArena(Juego& juego)
{
    juego.Responder({u"Odiaría meter ahí cualquier parte de mi preciosa carne, y menos la más preciosa ..."});
}

void UsarArena(Juego& juego)
{
    juego.ResponderSegun(juego.estado.guantes, u"¡No quiero manchar mis manos de terciopelo!",
                   u"Usaré los guantes para escarbar en la arena ... ¡Coño, una caja de condones!");
}

// With the gloves the box is found at once; digging first is not needed.
void CogerCondones(Juego& juego)
{
    if (juego.estado.guantes == 0) {
        juego.Responder({u"¿¿Qué coja qué, dónde está eso??"});
    } else if (juego.estado.guantes == 1) {
        juego.estado.condones = 1;
        juego.Responder({u"Usaré los guantes, para no mancharme las manos ... O.K. ya tengo los condones"});
    } else {
        juego.Responder({});
    }
}

void MirarPiedra(Juego& juego)
{
    juego.Responder({u"Malditas piedras de los cojones, lo ponen todo perdido de mierda."});
}

void CogerPiedra(Juego& juego)
{
    juego.Responder({u"No creo que las necesite, para nada"});
}

void MirarCondones(Juego& juego)
{
    juego.ResponderSegun(juego.estado.condones, u"¡Tendría que tenerlo, para poder verlo!, ¿no?",
                   u"Están sin estrenar. ¿Qué coño hacían escondidos ahí?");
}

void UsarVerja(Juego& juego)
{
    juego.Responder({u"Me gustaría abrirla, pero está cerrado con llave"});
}

void MirarVerja(Juego& juego)
{
    juego.Responder({u"Veo al fondo un patio, y un pozo ..."});
}
