// The game on the desktop: it opens on the title window.
#include "app/linea_de_ordenes.h"
#include "plataforma/senales.h"
#include "screens/programa.h"
#include "ui/traduccion.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    IgnorarLimiteDeTamano();
    QApplication aplicacion(argc, argv);
    TraducirQt(aplicacion);
    if (const auto fin = LeerLineaDeOrdenes(QStringLiteral("El monje Talpín, una aventura de texto en castellano.")))
        return *fin;
    Programa programa;
    // Leaving ends the program at once: no window gets a say.
    QObject::connect(&programa, &Programa::terminado, &aplicacion, [] { QCoreApplication::exit(0); });
    programa.Empezar();
    return aplicacion.exec();
}
