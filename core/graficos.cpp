#include "core/graficos.h"

#include <QDir>
#include <QIODevice>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList& Carpetas()
{
    static QStringList carpetas{u"graficos"_s};
    return carpetas;
}

QString BuscarEn(const QDir& carpeta, const QString& nombre)
{
    const QString exacto = carpeta.filePath(nombre);
    if (QFileInfo(exacto).isFile())
        return exacto;
    const QStringList ficheros = carpeta.entryList(QDir::Files);
    for (const QString& fichero : ficheros)
        if (fichero.compare(nombre, Qt::CaseInsensitive) == 0)
            return carpeta.filePath(fichero);
    return {};
}

} // namespace

QString RutaGrafico(const QString& nombre)
{
    for (const QString& carpeta : std::as_const(Carpetas()))
        if (QString ruta = BuscarEn(QDir(carpeta), nombre); !ruta.isEmpty())
            return ruta;
    return {};
}

void AnadirCarpetaGraficos(const QString& carpeta) { Carpetas().append(carpeta); }

QString RutaJunto(const QString& ruta, const QString& nombre) { return BuscarEn(QFileInfo(ruta).dir(), nombre); }

bool TamanoAdmisible(QSize tamano)
{
    return !tamano.isEmpty() && tamano.width() <= tamanoMaximoImagen.width()
           && tamano.height() <= tamanoMaximoImagen.height();
}

namespace {

constexpr uchar marca = 0xFF;
constexpr uchar inicioImagen = 0xD8;
constexpr uchar inicioBarrido = 0xDA; // the picture data starts: no size came before

// Start-of-frame markers carry the size; 0xC4, 0xC8 and 0xCC share the range
// but hold tables.
bool EsInicioTrama(uchar tipo)
{
    return tipo >= 0xC0 && tipo <= 0xCF && tipo != 0xC4 && tipo != 0xC8 && tipo != 0xCC;
}

// Markers that stand alone, without a length.
bool EsSuelto(uchar tipo)
{
    return tipo == 0x01 || (tipo >= 0xD0 && tipo <= 0xD7);
}

int Entero16(const QByteArray& bytes, int en)
{
    return (uchar(bytes[en]) << 8) | uchar(bytes[en + 1]);
}

} // namespace

std::optional<QSize> TamanoJpeg(QIODevice& fichero)
{
    QByteArray bytes = fichero.read(2);
    if (bytes.size() != 2 || uchar(bytes[0]) != marca || uchar(bytes[1]) != inicioImagen)
        return std::nullopt;
    for (;;) {
        char byte = 0;
        if (!fichero.getChar(&byte) || uchar(byte) != marca)
            return std::nullopt;
        while (uchar(byte) == marca) // fill bytes
            if (!fichero.getChar(&byte))
                return std::nullopt;
        const uchar tipo = uchar(byte);
        if (EsSuelto(tipo))
            continue;
        if (tipo == inicioBarrido || tipo == inicioImagen)
            return std::nullopt;
        bytes = fichero.read(2);
        if (bytes.size() != 2)
            return std::nullopt;
        const int largo = Entero16(bytes, 0) - 2;
        if (largo < 0)
            return std::nullopt;
        if (EsInicioTrama(tipo)) {
            // Precision, height, width.
            bytes = fichero.read(5);
            if (bytes.size() != 5)
                return std::nullopt;
            const QSize tamano(Entero16(bytes, 3), Entero16(bytes, 1));
            return tamano.isEmpty() ? std::nullopt : std::optional(tamano);
        }
        if (fichero.skip(largo) != largo)
            return std::nullopt;
    }
}
