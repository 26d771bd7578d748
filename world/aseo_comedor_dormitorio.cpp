#include "core/juego.h"

using namespace Qt::Literals::StringLiterals;

void Juego::CogerJabon()
{
    Responder({u"He cogido el jabón líquido, de los muchos botes que había"});
    estado.jabon = 1;
}

void Juego::MirarJabon()
{
    ResponderSegun(estado.jabon, u"No tengo ningún jabón, a pesar de que me huelen los sobacos",
                   u"Es un pequeño bote de jabón líquido");
}

// One pour into the jug. Every pour counts, also of an object had again,
// so the serum is told only on the pour that makes exactly three.
void Juego::Verter(qint16& objeto, QStringView vertido, QStringView yaVertido)
{
    ventana.VaciarLista();
    if (objeto == 1) {
        ++estado.ingredientes;
        ventana.AnadirLinea(vertido.toString());
        objeto = 2;
        if (estado.ingredientes == 3)
            ventana.AnadirLinea(u"¡Ya tengo el suero de la verdad! Hostias, cómo apesta ... Lo meteré en la jabonera."_s);
    } else if (objeto == 2) {
        ventana.AnadirLinea(yaVertido.toString());
    } else {
        ventana.AnadirLinea(u"No tengo de eso."_s);
    }
    ventana.PonerOrdenes(QString());
}

void Juego::TirarManzana()
{
    Verter(estado.manzana, u"He tirado la asquerosa manzana podrida en el botijo.",
           u"Ya he tirado la manzana.");
}

void Juego::TirarSalfuman()
{
    Verter(estado.salfuman, u"He vaciado el salfumán en el botijo. ¡Joder, qué peste echa esta mierda!",
           u"Ya he vaciado la botella de salfumán.");
}

void Juego::TirarJabon()
{
    Verter(estado.jabon, u"He tirado el jabón líquido al botijo. ¡Qué olor a rosas silvestres!",
           u"Ya no me queda más jabón, lo he tirado al botijo.");
}

void Juego::MirarBotijo()
{
    Responder({u"Está lleno de agua ... y no pienso beber"});
}

// The recipe is found again on every look.
void Juego::MirarArmarioDormitorio()
{
    Responder({u"Hay una receta que expone los ingredientes para hacer un suero de la verdad, la cogeré ..."});
    estado.receta = 1;
}

void Juego::MirarMuneco()
{
    Responder({u"¡Que muñeco más feo!"});
}

void Juego::UsarMuneco()
{
    Responder({u"¿Qué pretendes que haga con el ... ?"});
}

void Juego::CogerMuneco()
{
    Responder({u"Mejor lo dejo ahí, no me serviría para nada ..."});
}

void Juego::MirarReceta()
{
    if (estado.receta == 0) {
        Responder({u"No tengo ninguna receta ..."});
    } else if (estado.receta == 1) {
        Responder({
            u"Dice así:",
            u"- Receta para hacer suero de la verdad:",
            u"1. Agua.",
            u"2. Jabón",
            u"3. Salfumán",
            u"4. Una manzana podrida",
            u"- Y un imbecil suicida que se la quiera beber",
            u"Esta receta ha salido de las manos del indio 'Lalaprudu', el cual era muy sabio con la magia.",
        });
    } else {
        Responder({});
    }
}

void Juego::MirarSalfuman()
{
    ResponderSegun(estado.salfuman, u"No gasto de eso", u"Pues simplemente una botella de salfumán");
}

// The call needs the phone, the number from the well and the recipe; the
// battery lasts one call, until the number is looked up again.
void Juego::UsarMovil()
{
    if (estado.numeroPozo == 1 && estado.movil == 1) {
        if (estado.receta == 1) {
            Responder({
                u"TELÉFONO: Reparto a domicilio, ¡servimos a la velocidad de la luz! ¿Qué desea?",
                u"TALPÍN: Eh ... ¿son ustedes de esos que lo traen en menos de un segundo?",
                u"TELÉFONO: Sí, por supuesto. ¿Qué desea comprar?",
                u"TALPÍN: Querría una botella de salfumán.",
                u"TELÉFONO: O.K. ¿Pagará en efectivo o con tarjeta?",
                u"TALPÍN: Póngalo a nombre de Fray Supremus.",
                u"TELÉFONO: ¡Ah, Fray Supremus, buen cliente! ¿Qué tal le va la muñeca hinchable que pidió?",
                u"TALPÍN: ¿Eh ... ? Ah, sí, sí ... de puta madre, ya casi la tengo desgastada.",
                u"TELÉFONO: Muy bien, le cargamos el salfumán a su cuenta.",
                u"TALPÍN: Gracias. ¿Y cuándo me lo traen?",
                u"TELÉFONO: Esto es un servicio a la velocidad de la luz: mire en OBJETOS y verá que ya lo tiene.",
                u"TALPÍN: ¡Joder, cómo me impresionan estos inventos modernos!",
            });
            estado.salfuman = 1;
            estado.numeroPozo = 2;
        } else {
            Responder({u"Mejor no llamo aún al número del pozo, no sabría qué coño decir. Ya llamaré cuando tenga algo."});
        }
    } else if (estado.numeroPozo == 2) {
        Responder({u"¡Me cago en el puto móvil, se ha quedado sin batería con una sola llamada!"});
    } else if (estado.movil == 0) {
        Responder({u"No tengo ningún móvil"});
    } else if (estado.movil == 1) {
        Responder({u"Mejor, llamaré más tarde ..."});
    } else {
        Responder({});
    }
}

void Juego::Suero()
{
    if (estado.ingredientes == 3) {
        Responder({});
        ventana.MostrarFinal();
    } else {
        // Not ready yet: the same answer as an order not understood.
        NoEntendido();
    }
}
