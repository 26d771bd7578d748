#pragma once

#include <QList>
#include <QWidget>

// A thin straight line of a layout, across or down, from one point to
// another, in twips.
struct Trazo {
    int x1, y1, x2, y2;
};

// The four sides of a rectangle, from its top left to its bottom right corner.
QList<Trazo> Rectangulo(int izquierda, int arriba, int derecha, int abajo);

// One line of a window, one pixel thick, beneath every control.
class Linea final : public QWidget {
    Q_OBJECT

public:
    Linea(QWidget* ventana, Trazo trazo);
};

// The lines of a window, in the order given.
QList<Linea*> Trazar(QWidget* ventana, const QList<Trazo>& trazos);
