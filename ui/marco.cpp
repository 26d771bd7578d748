#include "ui/marco.h"

#include "ui/accesible.h"
#include "ui/cadenas.h"
#include "ui/controles.h"
#include "ui/disposicion.h"

Marco::Marco(const Pantalla& pantalla, QWidget* padre, Qt::WindowFlags banderas) : QWidget(padre, banderas)
{
    InstalarAccesibles();
    setObjectName(Nombre(pantalla.nombre));
    setWindowTitle(DeJuego(pantalla.titulo));
    Disponer(this, pantalla);
}
