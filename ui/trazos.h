#pragma once

#include <QList>
#include <QWidget>

// A thin straight line of a layout, from one point to another, in twips.
struct Trazo {
    int x1, y1, x2, y2;
};

// The four sides of a rectangle, from its top left to its bottom right corner.
QList<Trazo> Rectangulo(int izquierda, int arriba, int derecha, int abajo);

// The lines of a window, drawn on its background beneath every control.
class Trazos final : public QWidget {
public:
    Trazos(QWidget* ventana, QList<Trazo> trazos);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QList<Trazo> trazos;
};
