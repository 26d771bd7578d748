#include "core/juego.h"

using namespace Qt::Literals::StringLiterals;

void Juego::HablarFrayCabronus()
{
    Responder({
        u"TALPÍN: ¿Qué coño haces tú aquí fuera conmigo?",
        u"CABRONUS: Me han mandado vigilar aquí fuera, igual que tú vigilas dentro de la casa.",
        u"TALPÍN: Vale, pero no me estés dando la lata todo el día.",
        u"CABRONUS: No te molestaré, a no ser que sea algo importante.",
        u"TALPÍN: No, no me has entendido: que NO me des la lata. NUNCA.",
        u"CABRONUS: Vale, vale, pero no hace falta que te pongas así, hermano.",
        u"TALPÍN:Yo no soy tu hermano, pedazo de gilipollas.",
    });
}

void Juego::MentirFrayCabronus()
{
    Responder({
        u"TALPÍN: Oye, ahí fuera hay una tía en pelotas que pregunta por ti.",
        u"CABRONUS: Soy monje, hice voto de castidad. ¿Es que tú no lo hiciste?",
        u"TALPÍN: Eh... sí, sí, cla... claro que sí.",
    });
}

void Juego::MirarFrayCabronus()
{
    Responder({u"Joder, qué feo es el cabrón, y eso que no se le ve la cara ..."});
}

void Juego::UsarCondonesFrayCabronus()
{
    if (estado.condonesCalientes == 1)
        Quemadura();
    else if (estado.condonesCalientes == 0)
        Responder({u"¡¿Ein?!, expresate de otra manera ..."});
    else
        Responder({});
}

// Fray Cabronus burns his hand on the hot box and hands over his phone.
void Juego::Quemadura()
{
    Responder({
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
    estado.movil = 1;
}

void Juego::CogerAstilla()
{
    estado.astilla = 1;
    Responder({u"He cogido la astilla"});
}

void Juego::MirarAstilla()
{
    ResponderSegun(estado.astilla, u"¡Tendré que cogerla para poder verla bién!",
                   u"Es una astilla, que sobresale de la persiana, es muy grande ...");
}

void Juego::MirarPersiana()
{
    ResponderSegun(estado.astilla, u"Hay una pequeña astilla se sobresale",
                   u"Una persiana de puta madre, sí señor, ya no le sobresale nada ...");
}

void Juego::UsarVentana()
{
    Responder({u"¿No sería mejor usar la puerta ... ?"});
}

void Juego::MirarVentana()
{
    Responder({u"Una persiana muy bonita, lástima que esté cerrada ..."});
}

void Juego::MirarPuerta()
{
    Responder({u"Una puerta cualquiera..."});
}

void Juego::MirarGaraje()
{
    Responder({u"Entraría, si estubiera abierto, pero no lo está."});
}

void Juego::UsarGaraje()
{
    if (estado.hierro == 0) {
        Responder({
            u"Parece que está bién cerrado, habría que pedirle las llaves a Fray Supremus. De todas maneras, no creo que me",
            u"las deje.",
        });
    } else if (estado.hierro == 1) {
        estado.lugar = Garaje;
        // Fray Cabronus stays outside.
        MostrarFotosDelLugar();
        Responder({u"Con el hierro que cogiste de la chimenea, rompes el candado, y entras al garaje"});
    } else {
        Responder({});
    }
}

void Juego::Abrir()
{
    Responder({u"'ABRIR' no está en la lista de verbos que tienes que usar, limítate a usar los verbos de abajo."});
}
