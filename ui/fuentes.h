#pragma once

#include <QFont>
#include <QString>

// A font of the layouts, given by its Windows face name, in the free face
// that stands in for it, at the size at which it takes the same room.
QFont Fuente(const QString& caraWindows, qreal puntos, bool negrita = false, bool cursiva = false);
