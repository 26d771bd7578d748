#include "core/textos_final.h"

using namespace Qt::Literals::StringLiterals;

QStringList TextosFinal()
{
    return {
        u"ENHORABUENA, has acabado el juego"_s,
        u"Le das el suero de la verdad a Fray Cabronus, sólo por cachondeo."_s,
        u"TALPÍN: Venga, bebe, capullo, que sólo es cola."_s,
        u"FRAY CABRONUS: ¿Cola? Pero por lo menos será marrón, ¿no?"_s,
        u"Por fin consigues que se lo beba, haciéndole creer que es cola. Se tambalea, cae al suelo, "
        u"y tú empiezas a interrogarle."_s,
        u"TALPÍN: ¿Qué te pone?"_s,
        u"FRAY CABRONUS:  ¡Nada! ... Bueno, las cabras con liguero."_s,
        u"TALPÍN: ¿Por qué viniste conmigo?"_s,
        u"FRAY CABRONUS: Para cargarme a Fray Supremus y mandar yo."_s,
        u"La sorpresa se refleja en tu cara y, casi sin poder hablar, te dices a ti mismo:"_s,
        u"TALPÍN: ¡Hijo de puta! Y yo que te iba a regalar un poni por tu cumpleaños ... "
        u"Te pudrirás en la cárcel, cabrón."_s,
        u"El suero duró lo suficiente para que confesara sus crímenes a la policía, y así te "
        u"convertiste en el héroe de esta estúpida historia. Lo demás ya lo sabes: la fama y, "
        u"hablando en plata, todo el folleteo que trae consigo."_s,
        u"The FiN"_s,
    };
}
