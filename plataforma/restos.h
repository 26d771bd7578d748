#pragma once

#include <string>

// While it lives, no other game saves in that folder. Every save holds it
// from making its temporary file until after the sweep below, so a
// temporary file found while holding it is nobody's. The system lets go of
// it when its holder dies, even by a kill.
class CerrojoCarpeta {
public:
    explicit CerrojoCarpeta(const std::string& carpeta);
    ~CerrojoCarpeta();
    CerrojoCarpeta(const CerrojoCarpeta&) = delete;
    CerrojoCarpeta& operator=(const CerrojoCarpeta&) = delete;

    // False when another game kept it too long, or the folder can't be
    // locked: then the save goes ahead, but sweeps nothing.
    bool Tomado() const { return descriptor >= 0; }

private:
    int descriptor = -1;
};

// The temporary file of a save of `ruta`: "partida.XXXXXX", six letters or
// digits, as mkstemp fills them in.
std::string PatronTemporal(const std::string& ruta);

// Whether the file `nombre`, beside the save `ruta`, is what a save killed
// halfway leaves: its temporary file, holding no more than one line of a
// saved game. The sweep below removes these and nothing else.
bool EsResto(const std::string& ruta, const std::string& nombre);

// Removes the leftovers of saves of `ruta` killed halfway. Only call it
// while holding the lock.
void BorrarRestos(const std::string& ruta);
