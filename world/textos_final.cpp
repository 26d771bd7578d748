#include "world/textos_final.h"

const std::array<std::u16string_view, 13> TextosFinal = {
    u"ENHORABUENA, has acabado el juego",
    u"Le das el suero de la verdad a Fray Cabronus, sólo por cachondeo.",
    u"TALPÍN: Venga, bebe, capullo, que sólo es cola.",
    u"FRAY CABRONUS: ¿Cola? Pero por lo menos será marrón, ¿no?",
    u"Por fin consigues que se lo beba, haciéndole creer que es cola. Se tambalea, cae al suelo, "
    u"y tú empiezas a interrogarle.",
    u"TALPÍN: ¿Qué te pone?",
    u"FRAY CABRONUS:  ¡Nada! ... Bueno, las cabras con liguero.",
    u"TALPÍN: ¿Por qué viniste conmigo?",
    u"FRAY CABRONUS: Para cargarme a Fray Supremus y mandar yo.",
    u"La sorpresa se refleja en tu cara y, casi sin poder hablar, te dices a ti mismo:",
    u"TALPÍN: ¡Hijo de puta! Y yo que te iba a regalar un poni por tu cumpleaños ... "
    u"Te pudrirás en la cárcel, cabrón.",
    u"El suero duró lo suficiente para que confesara sus crímenes a la policía, y así te "
    u"convertiste en el héroe de esta estúpida historia. Lo demás ya lo sabes: la fama y, "
    u"hablando en plata, todo el folleteo que trae consigo.",
    u"The FiN",
};
