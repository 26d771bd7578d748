#include "core/juego.h"

void Juego::CogerJabon() {}

void Juego::MirarJabon() {}

void Juego::TirarManzana() {}

void Juego::TirarSalfuman() {}

void Juego::TirarJabon() {}

void Juego::MirarBotijo() {}

void Juego::MirarArmarioDormitorio() {}

void Juego::MirarMuneco() {}

void Juego::UsarMuneco() {}

void Juego::CogerMuneco() {}

void Juego::MirarReceta() {}

void Juego::MirarSalfuman() {}

void Juego::UsarMovil() {}

void Juego::Suero() {}
