#pragma once

#include <QSize>
#include <QString>

#include <optional>

class QIODevice;

// The path of a picture in graficos/ below the working directory, or an
// empty string when there is none. The game names some files with other
// capitals than others ("Garaje.jpg", "garaje.jpg"), so the name is matched
// without regard to letter case.
QString RutaGrafico(const QString& nombre);

// The size that a JPEG file declares in its header, read without decoding
// the picture; nothing when the data is no JPEG.
std::optional<QSize> TamanoJpeg(QIODevice& fichero);
