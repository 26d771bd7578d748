#pragma once

#include <QString>

// The path of a picture in graficos/ below the working directory, or an
// empty string when there is none. The game names some files with other
// capitals than others ("Garaje.jpg", "garaje.jpg"), so the name is matched
// without regard to letter case.
QString RutaGrafico(const QString& nombre);
