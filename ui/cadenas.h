#pragma once

#include <QFile>
#include <QString>

#include <string>
#include <string_view>

// The game speaks UTF-16 in standard strings, Qt in QString: the same units.
inline QString DeJuego(std::u16string_view texto)
{
    return QString(reinterpret_cast<const QChar*>(texto.data()), qsizetype(texto.size()));
}

inline std::u16string AlJuego(const QString& texto) { return texto.toStdU16String(); }

// File names for the platform layer, in the system's encoding.
inline std::string Ruta(const QString& ruta) { return QFile::encodeName(ruta).toStdString(); }
inline QString DeRuta(const std::string& ruta) { return QFile::decodeName(ruta.c_str()); }
