#include "core/graficos.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

QString RutaGrafico(const QString& nombre)
{
    const QDir carpeta(u"graficos"_s);
    const QString exacto = carpeta.filePath(nombre);
    if (QFileInfo(exacto).isFile())
        return exacto;
    const QStringList ficheros = carpeta.entryList(QDir::Files);
    for (const QString& fichero : ficheros)
        if (fichero.compare(nombre, Qt::CaseInsensitive) == 0)
            return carpeta.filePath(fichero);
    return {};
}
