#pragma once

#include <QString>

// True when every word of `frase` occurs in `orden`, both in upper case.
// Every word but the last keeps its trailing blank, so «POZO MIRAR» does not
// say "MIRAR POZO" while «POZO MIRAR » does. Words are pieces of text:
// "MIRAR MUÑEC" is said by «mirar muñeca».
bool Coincide(QString frase, QString orden);
