#include "world/acciones.h"

#include "core/juego.h"

void HablarFraySupremus(Juego& juego)
{
    juego.Responder({
        u"TALPÍN: Ya estamos aquí Cabronus y yo.",
        u"FRAY SUPREMUS: Bien. Entonces Fray Cabronus vigilará en la calle, y tú aquí dentro.",
        u"TALPÍN: ¿Y cuánto tiempo vamos a tener que seguir así?",
        u"FRAY SUPREMUS: Hasta que encontremos al culpable de todo esto.",
        u"TALPÍN: Pues qué bien, me cago en la ... ¡Digo, claro, claro!",
        u"FRAY SUPREMUS: Espero que tu estancia aquí sea lo más feliz posible, hermano.",
        u"TALPÍN: Vale. Si me necesita, estaré por aquí cerca.",
    });
}

void MirarFraySupremus(Juego& juego)
{
    juego.Responder({u"Es el jefe, y está amenazado de muerte ..."});
}

void MentirFraySupremus(Juego& juego)
{
    juego.Responder({
        u"TALPÍN: ¿Sabía usted que el tres por ciento de los apóstoles tomaba cocaína?",
        u"FRAY SUPREMUS: ¡¿Pero qué acabas de decir?!",
        u"TALPÍN: Pues eso, que eran todos unos putos yonquis.",
        u"FRAY SUPREMUS: Nunca me ha gustado tu sentido del humor, hermano.",
        u"TALPÍN: ¿Por qué coño me llamarán todos hermano?",
    });
}

// The three tests are independent: with the spicy splinter both the
// complaint and the itch are told.
void UsarAstillaFraySupremus(Juego& juego)
{
    juego.ventana.VaciarLista();
    if (juego.estado.astilla == 0)
        juego.ventana.AnadirLinea(u"¿No crees que necesitaría la astilla?");
    if (juego.estado.astilla == 1) {
        juego.ventana.AnadirLinea(u"FRAY SUPREMUS: ¡Hostias! ¡Me has pinchado!");
        juego.ventana.AnadirLinea(u"TALPÍN: Relájese, la astilla estaba desinfectada ... o eso espero.");
    }
    if (juego.estado.astillaPicante == 1) {
        juego.ventana.AnadirLinea(u"FRAY SUPREMUS: ¡Me cago en tu madre, cabrón! ¡Cómo pica! Me voy a curar esto ahora mismo.");
        juego.ventana.AnadirLinea(u"TALPÍN: Lo he hecho para que se largara y me dejase pasar.");
        juego.ventana.AnadirLinea(u"FRAY SUPREMIS: Si querías pasar, sólo tenías que decirlo.");
        juego.ventana.AnadirLinea(u"TALPÍN: ¡Coño!");
        juego.ventana.MostrarPersonaje(false);
        juego.estado.supremusPinchado = 1;
    }
    juego.ventana.PonerOrdenes({});
}

void MirarPuertaIzquierda(Juego& juego)
{
    juego.Responder({u"No logro ver lo que hay detrás de esa puerta"});
}

void UsarPuertaCocina(Juego& juego)
{
    if (juego.estado.supremusPinchado == 0) {
        juego.Responder({u"Mientras él esté aquí delante, no me dejará dotorear en su casa ..."});
    } else if (juego.estado.supremusPinchado == 1) {
        juego.estado.lugar = SegundaCocina;
        juego.MostrarFotosDelLugar();
        juego.Responder({u"¡Hostias, la casa tiene una segunda cocina! Está claro que esto es un juego ..."});
    } else {
        juego.Responder({});
    }
}

void MirarChimenea(Juego& juego)
{
    juego.ResponderSegun(juego.estado.hierro, u"Hay un hierro ahí dentro ...",
                   u"Sólo hay cenizas ... Mmm ... unas salchichitas ...");
}

void CogerHierro(Juego& juego)
{
    juego.estado.hierro = 1;
    juego.Responder({u"He cogido el hierro"});
}

void MirarArmarioCocina(Juego& juego)
{
    juego.Responder({u"¡Guau!, unos guantes de latex, siempre me gustaron ..."});
}

void CogerGuantes(Juego& juego)
{
    juego.estado.guantes = 1;
    juego.Responder({u"Ya he cogido los guantes ..."});
}

void MirarExpositor(Juego& juego)
{
    juego.ResponderSegun(juego.estado.cayena, u"Las hay de tres clases: Pimienta negra molida, anís en grano y cayena molida",
                   u"Sólo hay de pimienta negra molida y anís en grano, no creo que las necesite");
}

void CogerCayena(Juego& juego)
{
    juego.estado.cayena = 1;
    juego.Responder({u"He cogido la cayena molida"});
}

void MirarHierro(Juego& juego)
{
    juego.ResponderSegun(juego.estado.hierro, u"No gasto de eso",
                   u"Es un hierro largo, casi tan largo como mi sonrisa ... ya me entiendes, ¿eh?");
}

void MirarCayena(Juego& juego)
{
    juego.ResponderSegun(juego.estado.cayena, u"No gasto de eso", u"Es un bote de cayena molida, y pica mucho");
}

void MirarGuantes(Juego& juego)
{
    juego.ResponderSegun(juego.estado.guantes, u"No gasto de eso", u"Son unos guantes, para no ensuciarme las manos");
}

void UsarAstillaCayena(Juego& juego)
{
    if (juego.estado.astilla == 1 && juego.estado.cayena == 1) {
        juego.estado.astillaPicante = 1;
        juego.Responder({u"Ahora, la astilla tiene un toque de picante ..."});
    } else {
        juego.Responder({u"¿¿Que dices??"});
    }
}
