#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The orders sent with Enter, recalled with Up and Down in the command box.
class Historial {
public:
    // The oldest orders are forgotten beyond this many.
    static constexpr qsizetype capacidad = 100;

    // An order sent. An empty one, or one equal to the order before it, is
    // not kept twice; either way, Up starts again from the newest.
    void Anotar(const QString& orden);

    // Up: the order before the one shown; nothing at the oldest.
    std::optional<QString> Anterior();
    // Down: the order after the one shown, and an empty box after the
    // newest; nothing while no order is shown.
    std::optional<QString> Siguiente();

private:
    QStringList ordenes;
    // The order shown; ordenes.size() while none is.
    qsizetype mostrada = 0;
};
