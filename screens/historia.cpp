#include "screens/historia.h"

using namespace Qt::Literals::StringLiterals;

QString Historia()
{
    return u"Hace sólo unas semanas que la desgracia cayó sobre nuestra orden. Uno tras otro, tres "
           u"de mis hermanos aparecieron muertos, y cada vez de una forma más grotesca: al primero lo "
           u"encontraron colgado del campanario con el hábito del revés, y al segundo flotando en la "
           u"tinaja del vino de misa. El tercero nos contó una mañana que había visto a un intruso "
           u"rondando la cocina por la noche; al día siguiente ya no despertó. En la pared de su "
           u"celda alguien había escrito con sangre: «FRAY SUPREMUS SERÁ EL SIGUIENTE». Nadie en el "
           u"convento ha vuelto a dormir tranquilo. Desde "
           u"entonces los monjes nos turnamos para montar guardia por las noches, y esta semana me "
           u"ha tocado a mí. Así que aquí estoy, ante la casa de Fray Supremus, dispuesto a "
           u"protegerle durante siete días, y para colmo en compañía de Fray Cabronus, que no ha "
           u"dejado de quejarse en todo el camino. No sé quién anda detrás de todo esto, pero "
           u"pienso descubrirlo antes de que vuelva a correr la sangre."_s;
}
