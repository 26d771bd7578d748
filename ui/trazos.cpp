#include "ui/trazos.h"

#include "ui/accesible.h"
#include "ui/disposicion.h"

Linea::Linea(QWidget* ventana, Trazo trazo) : QWidget(ventana)
{
    InstalarAccesibles();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Both ends drawn, as a pen one pixel wide draws them.
    setGeometry(QRect(QPoint(Px(trazo.x1), Px(trazo.y1)), QPoint(Px(trazo.x2), Px(trazo.y2))).normalized());
    QPalette tinta = palette();
    tinta.setColor(QPalette::Window, tinta.color(QPalette::WindowText));
    setPalette(tinta);
    setAutoFillBackground(true);
    lower();
}

QList<Linea*> Trazar(QWidget* ventana, std::span<const Trazo> trazos)
{
    QList<Linea*> lineas;
    for (const Trazo& trazo : trazos)
        lineas.append(new Linea(ventana, trazo));
    return lineas;
}
