#pragma once

#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

// A broken rule is a crash, so that libFuzzer keeps the input that broke it.
#define EXIGIR(condicion)                                                                          \
    do {                                                                                           \
        if (!(condicion)) {                                                                        \
            std::fprintf(stderr, "%s:%d: no se cumple: %s\n", __FILE__, __LINE__, #condicion);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// Saves and loads go to a folder of the fuzzer's own, for the whole run.
inline void TrabajarEnCarpetaPropia()
{
    static QTemporaryDir carpeta;
    if (!carpeta.isValid() || !QDir::setCurrent(carpeta.path()))
        std::abort();
}
