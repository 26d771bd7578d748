#include "core/juego.h"

void Juego::HablarFrayCabronus() {}

void Juego::MentirFrayCabronus() {}

void Juego::MirarFrayCabronus() {}

void Juego::UsarCondonesFrayCabronus() {}

void Juego::CogerAstilla() {}

void Juego::MirarAstilla() {}

void Juego::MirarPersiana() {}

void Juego::UsarVentana() {}

void Juego::MirarVentana() {}

void Juego::MirarPuerta() {}

void Juego::MirarGaraje() {}

void Juego::UsarGaraje() {}

void Juego::Abrir() {}
