#include "core/juego.h"

void Juego::HablarFraySupremus() {}

void Juego::MirarFraySupremus() {}

void Juego::MentirFraySupremus() {}

void Juego::UsarAstillaFraySupremus() {}

void Juego::MirarPuertaIzquierda() {}

void Juego::UsarPuertaCocina() {}

void Juego::MirarChimenea() {}

void Juego::CogerHierro() {}

void Juego::MirarArmarioCocina() {}

void Juego::CogerGuantes() {}

void Juego::MirarExpositor() {}

void Juego::CogerCayena() {}

void Juego::MirarHierro() {}

void Juego::MirarCayena() {}

void Juego::MirarGuantes() {}

void Juego::UsarAstillaCayena() {}
