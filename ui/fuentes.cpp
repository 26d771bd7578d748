#include "ui/fuentes.h"

#include "presentacion/caras.h"

QFont Fuente(const QString& caraWindows, qreal puntos, bool negrita, bool cursiva)
{
    QFont fuente;
    fuente.setPointSizeF(puntos);
    fuente.setBold(negrita);
    fuente.setItalic(cursiva);
    const Cara* cara = CaraLibre(caraWindows.toStdString());
    if (!cara)
        return fuente;
    static constexpr QFont::StyleHint estilos[] = {QFont::SansSerif, QFont::Serif, QFont::Cursive};
    fuente.setFamily(QString::fromUtf8(cara->libre.data(), qsizetype(cara->libre.size())));
    fuente.setStyleHint(estilos[cara->familia]);
    fuente.setWeight(QFont::Weight(negrita ? cara->negrita : cara->normal));
    fuente.setItalic(cursiva && cara->admiteCursiva);
    fuente.setPointSizeF(puntos * cara->escala);
    return fuente;
}
