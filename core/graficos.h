#pragma once

#include <QSize>
#include <QString>

#include <optional>

class QIODevice;

// The path of a picture in graficos/ below the working directory, else in
// the folders added below, or an empty string when there is none. The game
// names some files with other capitals than others ("Garaje.jpg",
// "garaje.jpg"), so the name is matched without regard to letter case.
QString RutaGrafico(const QString& nombre);

// Looks for pictures in this folder too, after those searched so far. The
// program adds the installed pictures once at start; graficos/ below the
// working directory stays first, so that replaced pictures win.
void AnadirCarpetaGraficos(const QString& carpeta);

// The file of that name, matched without regard to letter case, in the same
// folder as the picture `ruta`; empty when there is none. A double-size twin
// must come from where its picture came from.
QString RutaJunto(const QString& ruta, const QString& nombre);

// The largest picture the game shows is a double-size twin of at most
// 640 x 750 pixels. A picture that declares more than four times that on a
// side is refused before decoding: it would take hundreds of megabytes, and
// the window would show only a corner of it.
constexpr QSize tamanoMaximoImagen(4 * 640, 4 * 750);

// True for a size the game will decode.
bool TamanoAdmisible(QSize tamano);

// The size that a JPEG file declares in its header, read without decoding
// the picture; nothing when the data is no JPEG.
std::optional<QSize> TamanoJpeg(QIODevice& fichero);
