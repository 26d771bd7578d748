#include "core/juego.h"

void Juego::CalentarCondones() {}

void Juego::MirarMicroondas() {}

void Juego::MirarVerjaPatio() {}

void Juego::UsarVerjaPatio() {}

void Juego::UsarPozo() {}

void Juego::MirarPozo() {}

void Juego::CogerManzana() {}

void Juego::UsarSaco() {}

void Juego::MirarSaco() {}

void Juego::MirarExtrano() {}

void Juego::MentirExtrano() {}

void Juego::HablarExtrano() {}

void Juego::MirarManzana() {}
