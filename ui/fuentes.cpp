#include "ui/fuentes.h"

QFont Fuente(const QString& caraWindows, qreal puntos, bool negrita, bool cursiva)
{
    QFont fuente(caraWindows);
    fuente.setPointSizeF(puntos);
    fuente.setBold(negrita);
    fuente.setItalic(cursiva);
    return fuente;
}
