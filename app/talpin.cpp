// The game on the desktop: it opens on the title window.
#include "screens/programa.h"
#include "ui/traduccion.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication aplicacion(argc, argv);
    TraducirQt(aplicacion);
    Programa programa;
    // Leaving ends the program at once: no window gets a say.
    QObject::connect(&programa, &Programa::terminado, &aplicacion, [] { QCoreApplication::exit(0); });
    programa.Empezar();
    return aplicacion.exec();
}
