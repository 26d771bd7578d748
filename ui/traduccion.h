#pragma once

class QCoreApplication;

// Qt's own texts in Spanish, as the game's are: a message box says
// "Aceptar", a command box's menu "Deshacer". Without Qt's translations on
// the system they stay in English.
void TraducirQt(QCoreApplication& aplicacion);
