#pragma once

#include "presentacion/pantallas.h"

#include <QList>
#include <QWidget>

#include <span>

// One line of a window, one pixel thick, beneath every control.
class Linea final : public QWidget {
    Q_OBJECT

public:
    Linea(QWidget* ventana, Trazo trazo);
};

// The lines of a window, in the order given.
QList<Linea*> Trazar(QWidget* ventana, std::span<const Trazo> trazos);
