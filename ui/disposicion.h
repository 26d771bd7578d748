#pragma once

#include "presentacion/pantallas.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

// A control's box, in twips from the top left corner of its parent, in
// pixels (Px in presentacion/pantallas.h).
QRect Caja(int izquierda, int arriba, int ancho, int alto);
QRect Caja(const Recuadro& caja);

// A font of the layouts, sized in pixels as the points measure at 96 dpi,
// so the text fits its box whatever the screen's logical dpi.
QFont Letra(const QString& caraWindows, qreal puntos, bool negrita = false, bool cursiva = false);
QFont Letra(const Tipo& tipo);

// One of the layouts' colours.
inline QColor Colorear(const Color& color) { return QColor(color.rojo, color.verde, color.azul); }

// Gives a window's client area the size and face of its layout, and the
// classic background, its labels included.
void Disponer(QWidget* area, const Pantalla& pantalla);

class QLabel;
class QPushButton;

// A label as the layouts draw them: text from the top left, wrapped when
// asked, over the window's background and lines.
QLabel* Etiqueta(QWidget* padre, const QString& texto, QRect caja, bool ajustar = false);

// A push button of a layout. Enter on it while it has the focus presses
// it, as on the system the windows were designed for.
QPushButton* Boton(QWidget* padre, const QString& nombre, const QString& texto, QRect caja);

// The free faces that stand in for the Windows ones run a little wider: a
// one-line label or a button caption that would not fit its box takes a
// smaller size of its face, so the box stays as the layout gives it. A
// label may only reach down to one line of its type.
void Encajar(QWidget* ventana);

// Where a window of size `tamano` goes beside `vecina` (right of it, else
// left of it, `hueco` pixels apart), moved as little as needed to stand
// wholly within `pantalla`. All are frame geometries.
QPoint AlLado(const QRect& vecina, const QSize& tamano, const QRect& pantalla, int hueco);
