#pragma once

#include <optional>
#include <string>
#include <string_view>

// The path of a picture in graficos/ below the working directory, else in
// the folders added below, or an empty string when there is none. The game
// names some files with other capitals than others ("Garaje.jpg",
// "garaje.jpg"), so the name is matched without regard to letter case.
std::string RutaGrafico(std::string_view nombre);

// Looks for pictures in this folder too, after those searched so far. The
// program adds the installed pictures once at start; graficos/ below the
// working directory stays first, so that replaced pictures win.
void AnadirCarpetaGraficos(const std::string& carpeta);

// The file of that name, matched without regard to letter case, in the same
// folder as the picture `ruta`; empty when there is none. A double-size twin
// must come from where its picture came from.
std::string RutaJunto(const std::string& ruta, std::string_view nombre);

struct Tamano {
    int ancho = 0;
    int alto = 0;
};

// The largest picture the game shows is a double-size twin of at most
// 640 x 750 pixels. A picture that declares more than four times that on a
// side is refused before decoding: it would take hundreds of megabytes, and
// the window would show only a corner of it.
constexpr Tamano tamanoMaximoImagen{4 * 640, 4 * 750};

// No picture file of the game comes near this; a larger one is no picture.
constexpr std::size_t bytesMaximosImagen = 16 * 1024 * 1024;

// True for a size the game will decode.
bool TamanoAdmisible(Tamano tamano);

// The size that a JPEG declares in its header, read without decoding the
// picture; nothing when the data is no JPEG.
std::optional<Tamano> TamanoJpeg(std::string_view datos);

// The picture file at `ruta`, whole, when it is a JPEG of a size the game
// will decode; nothing otherwise.
std::optional<std::string> LeerImagen(const std::string& ruta);
