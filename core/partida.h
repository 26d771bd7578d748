#pragma once

#include "core/estado.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <optional>

// The one saved game: the file "partida" in the working directory (or the
// folder set below), a line of the sixteen fields of GameState, each as a
// sign position, its digits and a blank, ended by CR LF.
QByteArray TextoPartida(const GameState& estado);

// No save is longer than a line of about a hundred bytes: anything much
// longer is no save, and reading it all would freeze the game.
constexpr qint64 tamanoMaximoPartida = 64 * 1024;

// Reads a saved game back, all or nothing: sixteen whole numbers in 16-bit
// range separated by blanks, line breaks or one comma, with a place of 1 to 9.
// Whatever follows the sixteenth number is ignored, but a file longer than
// tamanoMaximoPartida is refused.
std::optional<GameState> LeerPartida(QIODevice& fichero);

// Keeps the saved game in this folder instead of the working directory; the
// first save makes the folder.
void PonerCarpetaPartida(const QString& carpeta);
