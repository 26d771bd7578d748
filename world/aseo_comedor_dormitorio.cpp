#include "world/acciones.h"

#include "core/juego.h"

void CogerJabon(Juego& juego)
{
    juego.Responder({u"He cogido el jabón líquido, de los muchos botes que había"});
    juego.estado.jabon = 1;
}

void MirarJabon(Juego& juego)
{
    juego.ResponderSegun(juego.estado.jabon, u"No tengo ningún jabón, a pesar de que me huelen los sobacos",
                   u"Es un pequeño bote de jabón líquido");
}

namespace {

// One pour into the jug. Every pour counts, also of an object had again,
// so the serum is told only on the pour that makes exactly three.
void Verter(Juego& juego, std::int16_t& objeto, std::u16string_view vertido, std::u16string_view yaVertido)
{
    juego.ventana.VaciarLista();
    if (objeto == 1) {
        ++juego.estado.ingredientes;
        juego.ventana.AnadirLinea(vertido);
        objeto = 2;
        if (juego.estado.ingredientes == 3)
            juego.ventana.AnadirLinea(u"¡Ya tengo el suero de la verdad! Hostias, cómo apesta ... Lo meteré en la jabonera.");
    } else if (objeto == 2) {
        juego.ventana.AnadirLinea(yaVertido);
    } else {
        juego.ventana.AnadirLinea(u"No tengo de eso.");
    }
    juego.ventana.PonerOrdenes({});
}

} // namespace

void TirarManzana(Juego& juego)
{
    Verter(juego, juego.estado.manzana, u"He tirado la asquerosa manzana podrida en el botijo.",
           u"Ya he tirado la manzana.");
}

void TirarSalfuman(Juego& juego)
{
    Verter(juego, juego.estado.salfuman, u"He vaciado el salfumán en el botijo. ¡Joder, qué peste echa esta mierda!",
           u"Ya he vaciado la botella de salfumán.");
}

void TirarJabon(Juego& juego)
{
    Verter(juego, juego.estado.jabon, u"He tirado el jabón líquido al botijo. ¡Qué olor a rosas silvestres!",
           u"Ya no me queda más jabón, lo he tirado al botijo.");
}

void MirarBotijo(Juego& juego)
{
    juego.Responder({u"Está lleno de agua ... y no pienso beber"});
}

// The recipe is found again on every look.
void MirarArmarioDormitorio(Juego& juego)
{
    juego.Responder({u"Hay una receta que expone los ingredientes para hacer un suero de la verdad, la cogeré ..."});
    juego.estado.receta = 1;
}

void MirarMuneco(Juego& juego)
{
    juego.Responder({u"¡Que muñeco más feo!"});
}

void UsarMuneco(Juego& juego)
{
    juego.Responder({u"¿Qué pretendes que haga con el ... ?"});
}

void CogerMuneco(Juego& juego)
{
    juego.Responder({u"Mejor lo dejo ahí, no me serviría para nada ..."});
}

void MirarReceta(Juego& juego)
{
    if (juego.estado.receta == 0) {
        juego.Responder({u"No tengo ninguna receta ..."});
    } else if (juego.estado.receta == 1) {
        juego.Responder({
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
        juego.Responder({});
    }
}

void MirarSalfuman(Juego& juego)
{
    juego.ResponderSegun(juego.estado.salfuman, u"No gasto de eso", u"Pues simplemente una botella de salfumán");
}

// The call needs the phone, the number from the well and the recipe; the
// battery lasts one call, until the number is looked up again.
void UsarMovil(Juego& juego)
{
    if (juego.estado.numeroPozo == 1 && juego.estado.movil == 1) {
        if (juego.estado.receta == 1) {
            juego.Responder({
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
            juego.estado.salfuman = 1;
            juego.estado.numeroPozo = 2;
        } else {
            juego.Responder({u"Mejor no llamo aún al número del pozo, no sabría qué coño decir. Ya llamaré cuando tenga algo."});
        }
    } else if (juego.estado.numeroPozo == 2) {
        juego.Responder({u"¡Me cago en el puto móvil, se ha quedado sin batería con una sola llamada!"});
    } else if (juego.estado.movil == 0) {
        juego.Responder({u"No tengo ningún móvil"});
    } else if (juego.estado.movil == 1) {
        juego.Responder({u"Mejor, llamaré más tarde ..."});
    } else {
        juego.Responder({});
    }
}

void Suero(Juego& juego)
{
    if (juego.estado.ingredientes == 3) {
        juego.Responder({});
        juego.ventana.MostrarFinal();
    } else {
        // Not ready yet: the same answer as an order not understood.
        juego.NoEntendido();
    }
}
