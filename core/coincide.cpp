#include "core/coincide.h"

bool Coincide(QString frase, QString orden)
{
    if (frase.isEmpty() || orden.isEmpty())
        return false;
    frase = frase.toUpper();
    orden = orden.toUpper();

    qsizetype inicio = 0;
    while (inicio < frase.size()) {
        const qsizetype blanco = frase.indexOf(u' ', inicio);
        const qsizetype fin = blanco < 0 ? frase.size() : blanco + 1;
        if (!orden.contains(QStringView(frase).sliced(inicio, fin - inicio)))
            return false;
        inicio = fin;
    }
    return true;
}
