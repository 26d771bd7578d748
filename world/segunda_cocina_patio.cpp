#include "world/acciones.h"

#include "core/juego.h"

void CalentarCondones(Juego& juego)
{
    if (juego.estado.condones == 1) {
        juego.Responder({u"Ahora la caja de condones está caliente"});
        juego.estado.condonesCalientes = 1;
    } else if (juego.estado.condones == 0) {
        juego.Responder({u"¡No tengo ninguna caja de condones!"});
    } else {
        juego.Responder({});
    }
}

void MirarMicroondas(Juego& juego)
{
    juego.Responder({u"Un microondas, marca KAcne."});
}

void MirarVerjaPatio(Juego& juego)
{
    juego.Responder({u"al otro lado, está el garaje ..."});
}

void UsarVerjaPatio(Juego& juego)
{
    juego.Responder({u"Está cerrada con llave"});
}

void UsarPozo(Juego& juego)
{
    juego.Responder({u"¿Con qué?, si tubiera algo eléctrico lo tiraría al agua, ¡tendría que molar!"});
}

// Seen again after a call, the number makes the phone usable once more.
void MirarPozo(Juego& juego)
{
    juego.Responder({
        u"TALPÍN: En la tapa del pozo hay un teléfono, 555-555. Vaya sitio más raro para poner tu número.",
        u"EXTRAÑO: Recuerda que todo esto no es más que un 'juego'.",
        u"TALPÍN: Tú cállate, que nadie te ha preguntado.",
    });
    juego.estado.numeroPozo = 1;
}

// The sack never runs out of rotten apples.
void CogerManzana(Juego& juego)
{
    juego.Responder({u"¡Una manzana podrida!, la cogeré ..."});
    juego.estado.manzana = 1;
}

void UsarSaco(Juego& juego)
{
    juego.Responder({u"Déjate la droga ..."});
}

void MirarSaco(Juego& juego)
{
    juego.Responder({u"¡Joder, ahí dentro hay una manzana podrida, y yo con el hambre que tengo!"});
}

void MirarExtrano(Juego& juego)
{
    juego.Responder({u"Tiene cara de tonto"});
}

void MentirExtrano(Juego& juego)
{
    juego.Responder({
        u"TALPÍN: ¡Mira, mira, por ahí va corriendo un culo con patas!",
        u"EXTRAÑO: Sí, sí, ya lo veo.",
        u"TALPÍN: ¿Pero qué ... ? Ahora ya ni siquiera sé mentir como Dios manda.",
    });
}

void HablarExtrano(Juego& juego)
{
    juego.Responder({
        u"TALPÍN: ¿Y tú quién coño eres?",
        u"EXTRAÑO: Soy un personaje que está en esta aventura sólo de decorado.",
        u"TALPÍN: ¿Cómo? ¿Qué quieres decir?",
        u"EXTRAÑO: Trombulix Juegos me creó sólo para que hubiera más personajes.",
        u"TALPÍN: ¿Y eso por qué?",
        u"EXTRAÑO: Es simplemente un contrato que tengo con Trombulix Juegos.",
        u"TALPÍN: Ah, un contrato ... pues menudo trato. ¿Y qué se supone que tienes que hacer?",
        u"EXTRAÑO: Nada. Estar aquí de pie y esperar a que alguien me hable.",
        u"TALPÍN: ¿Y eso no te cansa?",
        u"EXTRAÑO: Sí, pero el trabajo es el trabajo. Tú relájate y pasa de mí.",
        u"TALPÍN: Vale, pues que te den por culo.",
        u"EXTRAÑO: Vale. Si te aburres, ya sabes, puedes hablar conmigo.",
    });
}

// Once thrown into the jug the apple is not there to look at.
void MirarManzana(Juego& juego)
{
    juego.ResponderSegun(juego.estado.manzana, u"No gasto de eso",
                   u"Está más podrida que los calzoncillos de Fray Cabronus ...");
}
