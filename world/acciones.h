#pragma once

class Juego;

// Every action of the story: the phrase table and the characters run them.
// Each lives in its area's file.

// The street.
void HablarFrayCabronus(Juego& juego);
void MentirFrayCabronus(Juego& juego);
void MirarFrayCabronus(Juego& juego);
void UsarCondonesFrayCabronus(Juego& juego);
void CogerAstilla(Juego& juego);
void MirarAstilla(Juego& juego);
void MirarPersiana(Juego& juego);
void UsarVentana(Juego& juego);
void MirarVentana(Juego& juego);
void MirarPuerta(Juego& juego);
void MirarGaraje(Juego& juego);
void UsarGaraje(Juego& juego);
void Abrir(Juego& juego);

// The first kitchen and Fray Supremus.
void HablarFraySupremus(Juego& juego);
void MirarFraySupremus(Juego& juego);
void MentirFraySupremus(Juego& juego);
void UsarAstillaFraySupremus(Juego& juego);
void MirarPuertaIzquierda(Juego& juego);
void UsarPuertaCocina(Juego& juego);
void MirarChimenea(Juego& juego);
void CogerHierro(Juego& juego);
void MirarArmarioCocina(Juego& juego);
void CogerGuantes(Juego& juego);
void MirarExpositor(Juego& juego);
void CogerCayena(Juego& juego);
void MirarHierro(Juego& juego);
void MirarCayena(Juego& juego);
void MirarGuantes(Juego& juego);
void UsarAstillaCayena(Juego& juego);

// The garage and the gate.
void CogerArena(Juego& juego);
void MirarArena(Juego& juego);
void UsarArena(Juego& juego);
void CogerCondones(Juego& juego);
void MirarPiedra(Juego& juego);
void CogerPiedra(Juego& juego);
void MirarCondones(Juego& juego);
void UsarVerja(Juego& juego);
void MirarVerja(Juego& juego);

// The second kitchen and the yard.
void CalentarCondones(Juego& juego);
void MirarMicroondas(Juego& juego);
void MirarVerjaPatio(Juego& juego);
void UsarVerjaPatio(Juego& juego);
void UsarPozo(Juego& juego);
void MirarPozo(Juego& juego);
void CogerManzana(Juego& juego);
void UsarSaco(Juego& juego);
void MirarSaco(Juego& juego);
void MirarExtrano(Juego& juego);
void MentirExtrano(Juego& juego);
void HablarExtrano(Juego& juego);
void MirarManzana(Juego& juego);

// The washroom, the dining room, the bedroom and the truth serum.
void CogerJabon(Juego& juego);
void MirarJabon(Juego& juego);
void TirarManzana(Juego& juego);
void TirarSalfuman(Juego& juego);
void TirarJabon(Juego& juego);
void MirarBotijo(Juego& juego);
void MirarArmarioDormitorio(Juego& juego);
void MirarMuneco(Juego& juego);
void UsarMuneco(Juego& juego);
void CogerMuneco(Juego& juego);
void MirarReceta(Juego& juego);
void MirarSalfuman(Juego& juego);
void UsarMovil(Juego& juego);
void Suero(Juego& juego);
