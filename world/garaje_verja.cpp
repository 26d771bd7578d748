#include "core/juego.h"

void Juego::CogerArena() {}

void Juego::MirarArena() {}

void Juego::UsarArena() {}

void Juego::CogerCondones() {}

void Juego::MirarPiedra() {}

void Juego::CogerPiedra() {}

void Juego::MirarCondones() {}

void Juego::UsarVerja() {}

void Juego::MirarVerja() {}
