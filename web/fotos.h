#pragma once

#include <string>
#include <string_view>

// The folders the desktop keeps its pictures in: the game's, which it reads
// at run time, and the windows' stored ones. The page keeps its own under
// the same names.
inline constexpr std::string_view carpetaDelJuego = "graficos/";
inline constexpr std::string_view carpetaDeVentanas = "recursos/";

// The page's picture for a desktop's one: every picture is a drawing in
// SVG, named in lower case, since the game writes some names with other
// capitals. "graficos/Dentro2.jpg" gives "graficos/dentro2.svg".
std::string FotoEnPagina(std::string_view ruta);
