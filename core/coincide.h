#pragma once

#include <QString>
#include <QStringView>

// True when every word of `frase` occurs in `orden`, both in upper case.
// Every word but the last keeps its trailing blank, so «POZO MIRAR» does not
// say "MIRAR POZO" while «POZO MIRAR » does. Words are pieces of text:
// "MIRAR MUÑEC" is said by «mirar muñeca».
bool Coincide(QString frase, QString orden);

// The same answer for a phrase and an order that are upper case already, so
// that an order is upper-cased once for the whole phrase table.
bool CoincideEnMayusculas(QStringView frase, QStringView orden);

// QString::toUpper, quicker on the plain ASCII that orders mostly are.
QString Mayusculas(const QString& texto);
