#include "world/acciones.h"

#include "core/juego.h"

namespace {

// Fray Cabronus burns his hand on the hot box and hands over his phone.
void Quemadura(Juego& juego)
{
    juego.Responder({
        u"TALPÍN: Toma, una caja de condones, a ver si te alegras la vida, que falta te hace.",
        u"FRAY CABRONUS: ¡Uy, gracias, trae, trae! ... ¡AAAY, que me he quemado!",
        u"TALPÍN: Perdona, tío, no sabía que la caja estaba caliente.",
        u"FRAY CABRONUS: Tranquilo, Talpín, tranquilo ... Creo que vas a tener que llamar al médico.",
        u"TALPÍN: Y una mierda. ¿Por qué no llamas tú?",
        u"FRAY CABRONUS: Tengo una mano quemada, y en la otra una herida muy grande que aún no se ha curado.",
        u"TALPÍN: ¿Y esa herida de qué es?",
        u"FRAY CABRONUS: Eh ... pues ... me la hice la semana pasada en el monte, con una parra.",
        u"TALPÍN: Pues entonces dame tu móvil, y ya llamaré yo luego.",
        u"FRAY CABRONUS: Gracias, hermano. No tardes mucho en llamar, ¿eh?",
    });
    juego.estado.movil = 1;
}

} // namespace

void HablarFrayCabronus(Juego& juego)
{
    juego.Responder({
        u"TALPÍN: ¿Qué coño haces tú aquí fuera conmigo?",
        u"CABRONUS: Me han mandado vigilar aquí fuera, igual que tú vigilas dentro de la casa.",
        u"TALPÍN: Vale, pero no me estés dando la lata todo el día.",
        u"CABRONUS: No te molestaré, a no ser que sea algo importante.",
        u"TALPÍN: No, no me has entendido: que NO me des la lata. NUNCA.",
        u"CABRONUS: Vale, vale, pero no hace falta que te pongas así, hermano.",
        u"TALPÍN:Yo no soy tu hermano, pedazo de gilipollas.",
    });
}

void MentirFrayCabronus(Juego& juego)
{
    juego.Responder({
        u"TALPÍN: Oye, ahí fuera hay una tía en pelotas que pregunta por ti.",
        u"CABRONUS: Soy monje, hice voto de castidad. ¿Es que tú no lo hiciste?",
        u"TALPÍN: Eh... sí, sí, cla... claro que sí.",
    });
}

void MirarFrayCabronus(Juego& juego)
{
    juego.Responder({u"Joder, qué feo es el cabrón, y eso que no se le ve la cara ..."});
}

void UsarCondonesFrayCabronus(Juego& juego)
{
    if (juego.estado.condonesCalientes == 1)
        Quemadura(juego);
    else if (juego.estado.condonesCalientes == 0)
        juego.Responder({u"¡¿Ein?!, expresate de otra manera ..."});
    else
        juego.Responder({});
}

void CogerAstilla(Juego& juego)
{
    juego.estado.astilla = 1;
    juego.Responder({u"He cogido la astilla"});
}

void MirarAstilla(Juego& juego)
{
    juego.ResponderSegun(juego.estado.astilla, u"¡Tendré que cogerla para poder verla bién!",
                   u"Es una astilla, que sobresale de la persiana, es muy grande ...");
}

void MirarPersiana(Juego& juego)
{
    juego.ResponderSegun(juego.estado.astilla, u"Hay una pequeña astilla se sobresale",
                   u"Una persiana de puta madre, sí señor, ya no le sobresale nada ...");
}

void UsarVentana(Juego& juego)
{
    juego.Responder({u"¿No sería mejor usar la puerta ... ?"});
}

void MirarVentana(Juego& juego)
{
    juego.Responder({u"Una persiana muy bonita, lástima que esté cerrada ..."});
}

void MirarPuerta(Juego& juego)
{
    juego.Responder({u"Una puerta cualquiera..."});
}

void MirarGaraje(Juego& juego)
{
    juego.Responder({u"Entraría, si estubiera abierto, pero no lo está."});
}

void UsarGaraje(Juego& juego)
{
    if (juego.estado.hierro == 0) {
        juego.Responder({
            u"Parece que está bién cerrado, habría que pedirle las llaves a Fray Supremus. De todas maneras, no creo que me",
            u"las deje.",
        });
    } else if (juego.estado.hierro == 1) {
        juego.estado.lugar = Garaje;
        // Fray Cabronus stays outside.
        juego.MostrarFotosDelLugar();
        juego.Responder({u"Con el hierro que cogiste de la chimenea, rompes el candado, y entras al garaje"});
    } else {
        juego.Responder({});
    }
}

void Abrir(Juego& juego)
{
    juego.Responder({u"'ABRIR' no está en la lista de verbos que tienes que usar, limítate a usar los verbos de abajo."});
}
