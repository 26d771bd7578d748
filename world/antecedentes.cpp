#include "world/antecedentes.h"

std::u16string_view Antecedentes()
{
    return u"Hace sólo unas semanas que la desgracia cayó sobre nuestra orden. Uno tras otro, tres "
           u"de mis hermanos aparecieron muertos, y cada vez de una forma más grotesca: al primero lo "
           u"encontraron colgado del campanario con el hábito del revés, y al segundo flotando en la "
           u"tinaja del vino de misa. El tercero nos contó una mañana que había visto a un intruso "
           u"rondando la cocina por la noche; al día siguiente lo encontraron tieso en su catre, con "
           u"una sonrisa de oreja a oreja. En la pared de su celda alguien había escrito con sangre: "
           u"«FRAY SUPREMUS SERÁ EL SIGUIENTE». Desde entonces los monjes nos turnamos para montar "
           u"guardia por las noches, y esta semana me ha tocado a mí. Así que aquí estoy, ante la "
           u"casa de Fray Supremus, dispuesto a protegerle durante siete días, y para colmo en "
           u"compañía de Fray Cabronus, que no ha dejado de quejarse en todo el camino. No sé quién "
           u"anda detrás de todo esto, pero pienso descubrirlo antes de que vuelva a correr la sangre.";
}
