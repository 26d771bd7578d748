#pragma once

#include "presentacion/pantallas.h"

#include <QString>

#include <string_view>

class Foto;
class QLabel;
class QPushButton;
class QWidget;

// The controls of a window made as the windows' table has them: name, box,
// face, caption, stored picture and what a screen reader says.

QString Nombre(std::string_view nombre);

// A picture that does something when pressed is pressed from the keyboard too.
Foto* NuevaFoto(QWidget* padre, const Pantalla& pantalla, std::string_view nombre);

// A label with its caption, or with `texto` where the table leaves that to
// the story; `ajustar` wraps it within its box.
QLabel* NuevaEtiqueta(QWidget* padre, const Pantalla& pantalla, std::string_view nombre, bool ajustar = false,
                      const QString& texto = {});

QPushButton* NuevoBoton(QWidget* padre, const Pantalla& pantalla, std::string_view nombre);

// A message box of the table, shown modally until OK; `texto` where the
// table leaves the text to the game.
void MostrarMensaje(QWidget* padre, const Mensaje& mensaje, const QString& texto = {});
