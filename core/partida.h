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

// Reads a saved game back, all or nothing: sixteen whole numbers in 16-bit
// range separated by blanks, line breaks or one comma, with a place of 1 to 9.
// Whatever follows the sixteenth number is ignored.
std::optional<GameState> LeerPartida(QIODevice& fichero);

// Keeps the saved game in this folder instead of the working directory; the
// first save makes the folder.
void PonerCarpetaPartida(const QString& carpeta);
