#include "ui/trazos.h"

#include "ui/disposicion.h"

#include <QPainter>

QList<Trazo> Rectangulo(int izquierda, int arriba, int derecha, int abajo)
{
    return {
        {izquierda, arriba, derecha, arriba},
        {derecha, arriba, derecha, abajo},
        {izquierda, abajo, derecha, abajo},
        {izquierda, arriba, izquierda, abajo},
    };
}

Trazos::Trazos(QWidget* ventana, QList<Trazo> trazos) : QWidget(ventana), trazos(std::move(trazos))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(ventana->rect());
    lower();
}

void Trazos::paintEvent(QPaintEvent*)
{
    QPainter pintor(this);
    pintor.setPen(QPen(palette().color(QPalette::WindowText), 1));
    for (const Trazo& trazo : std::as_const(trazos))
        pintor.drawLine(Px(trazo.x1), Px(trazo.y1), Px(trazo.x2), Px(trazo.y2));
}
