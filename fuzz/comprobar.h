#pragma once

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
