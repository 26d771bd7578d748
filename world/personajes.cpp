#include "world/acciones.h"
#include "world/escenas.h"

// Who stands where, and what a click on them completes.
const std::array<Personaje, 3> Personajes = {{
    {Calle, u"Fray Cabronus ", MirarFrayCabronus, HablarFrayCabronus, MentirFrayCabronus},
    {Cocina, u"Fray Supremus ", MirarFraySupremus, HablarFraySupremus, MentirFraySupremus},
    {Patio, u"Extraño ", MirarExtrano, HablarExtrano, MentirExtrano},
}};
