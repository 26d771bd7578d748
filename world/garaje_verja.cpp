#include "core/juego.h"

void Juego::CogerArena()
{
    Responder({u"¡No quiero mancharme las manos de arena!"});
}

void Juego::MirarArena()
{
    Responder({u"Odiaría meter ahí cualquier parte de mi preciosa carne, y menos la más preciosa ..."});
}

void Juego::UsarArena()
{
    ResponderSegun(estado.guantes, u"¡No quiero manchar mis manos de terciopelo!",
                   u"Usaré los guantes para escarbar en la arena ... ¡Coño, una caja de condones!");
}

// With the gloves the box is found at once; digging first is not needed.
void Juego::CogerCondones()
{
    if (estado.guantes == 0) {
        Responder({u"¿¿Qué coja qué, dónde está eso??"});
    } else if (estado.guantes == 1) {
        estado.condones = 1;
        Responder({u"Usaré los guantes, para no mancharme las manos ... O.K. ya tengo los condones"});
    } else {
        Responder({});
    }
}

void Juego::MirarPiedra()
{
    Responder({u"Malditas piedras de los cojones, lo ponen todo perdido de mierda."});
}

void Juego::CogerPiedra()
{
    Responder({u"No creo que las necesite, para nada"});
}

void Juego::MirarCondones()
{
    ResponderSegun(estado.condones, u"¡Tendría que tenerlo, para poder verlo!, ¿no?",
                   u"Están sin estrenar. ¿Qué coño hacían escondidos ahí?");
}

void Juego::UsarVerja()
{
    Responder({u"Me gustaría abrirla, pero está cerrado con llave"});
}

void Juego::MirarVerja()
{
    Responder({u"Veo al fondo un patio, y un pozo ..."});
}
