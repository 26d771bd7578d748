#include "core/juego.h"

using namespace Qt::Literals::StringLiterals;

void Juego::HablarFraySupremus()
{
    Responder({
        u"TALPÍN: Ya estamos aquí Cabronus y yo.",
        u"FRAY SUPREMUS: Bien. Entonces Fray Cabronus vigilará en la calle, y tú aquí dentro.",
        u"TALPÍN: ¿Y cuánto tiempo vamos a tener que seguir así?",
        u"FRAY SUPREMUS: Hasta que encontremos al culpable de todo esto.",
        u"TALPÍN: Pues qué bien, me cago en la ... ¡Digo, claro, claro!",
        u"FRAY SUPREMUS: Espero que tu estancia aquí sea lo más feliz posible, hermano.",
        u"TALPÍN: Vale. Si me necesita, estaré por aquí cerca.",
    });
}

void Juego::MirarFraySupremus()
{
    Responder({u"Es el jefe, y está amenazado de muerte ..."});
}

void Juego::MentirFraySupremus()
{
    Responder({
        u"TALPÍN: ¿Sabía usted que el tres por ciento de los apóstoles tomaba cocaína?",
        u"FRAY SUPREMUS: ¡¿Pero qué acabas de decir?!",
        u"TALPÍN: Pues eso, que eran todos unos putos yonquis.",
        u"FRAY SUPREMUS: Nunca me ha gustado tu sentido del humor, hermano.",
        u"TALPÍN: ¿Por qué coño me llamarán todos hermano?",
    });
}

// The three tests are independent: with the spicy splinter both the
// complaint and the itch are told.
void Juego::UsarAstillaFraySupremus()
{
    ventana.VaciarLista();
    if (estado.astilla == 0)
        ventana.AnadirLinea(u"¿No crees que necesitaría la astilla?"_s);
    if (estado.astilla == 1) {
        ventana.AnadirLinea(u"FRAY SUPREMUS: ¡Hostias! ¡Me has pinchado!"_s);
        ventana.AnadirLinea(u"TALPÍN: Relájese, la astilla estaba desinfectada ... o eso espero."_s);
    }
    if (estado.astillaPicante == 1) {
        ventana.AnadirLinea(u"FRAY SUPREMUS: ¡Me cago en tu madre, cabrón! ¡Cómo pica! Me voy a curar esto ahora mismo."_s);
        ventana.AnadirLinea(u"TALPÍN: Lo he hecho para que se largara y me dejase pasar."_s);
        ventana.AnadirLinea(u"FRAY SUPREMIS: Si querías pasar, sólo tenías que decirlo."_s);
        ventana.AnadirLinea(u"TALPÍN: ¡Coño!"_s);
        ventana.MostrarPersonaje(false);
        estado.supremusPinchado = 1;
    }
    ventana.PonerOrdenes(QString());
}

void Juego::MirarPuertaIzquierda()
{
    Responder({u"No logro ver lo que hay detrás de esa puerta"});
}

void Juego::UsarPuertaCocina()
{
    if (estado.supremusPinchado == 0) {
        Responder({u"Mientras él esté aquí delante, no me dejará dotorear en su casa ..."});
    } else if (estado.supremusPinchado == 1) {
        estado.lugar = SegundaCocina;
        MostrarFotosDelLugar();
        Responder({u"¡Hostias, la casa tiene una segunda cocina! Está claro que esto es un juego ..."});
    } else {
        Responder({});
    }
}

void Juego::MirarChimenea()
{
    ResponderSegun(estado.hierro, u"Hay un hierro ahí dentro ...",
                   u"Sólo hay cenizas ... Mmm ... unas salchichitas ...");
}

void Juego::CogerHierro()
{
    estado.hierro = 1;
    Responder({u"He cogido el hierro"});
}

void Juego::MirarArmarioCocina()
{
    Responder({u"¡Guau!, unos guantes de latex, siempre me gustaron ..."});
}

void Juego::CogerGuantes()
{
    estado.guantes = 1;
    Responder({u"Ya he cogido los guantes ..."});
}

void Juego::MirarExpositor()
{
    ResponderSegun(estado.cayena, u"Las hay de tres clases: Pimienta negra molida, anís en grano y cayena molida",
                   u"Sólo hay de pimienta negra molida y anís en grano, no creo que las necesite");
}

void Juego::CogerCayena()
{
    estado.cayena = 1;
    Responder({u"He cogido la cayena molida"});
}

void Juego::MirarHierro()
{
    ResponderSegun(estado.hierro, u"No gasto de eso",
                   u"Es un hierro largo, casi tan largo como mi sonrisa ... ya me entiendes, ¿eh?");
}

void Juego::MirarCayena()
{
    ResponderSegun(estado.cayena, u"No gasto de eso", u"Es un bote de cayena molida, y pica mucho");
}

void Juego::MirarGuantes()
{
    ResponderSegun(estado.guantes, u"No gasto de eso", u"Son unos guantes, para no ensuciarme las manos");
}

void Juego::UsarAstillaCayena()
{
    if (estado.astilla == 1 && estado.cayena == 1) {
        estado.astillaPicante = 1;
        Responder({u"Ahora, la astilla tiene un toque de picante ..."});
    } else {
        Responder({u"¿¿Que dices??"});
    }
}
