#pragma once

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

// A broken rule is a crash, so that libFuzzer keeps the input that broke it.
#define EXIGIR(condicion)                                                                          \
    do {                                                                                           \
        if (!(condicion)) {                                                                        \
            std::fprintf(stderr, "%s:%d: no se cumple: %s\n", __FILE__, __LINE__, #condicion);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// Saves and loads go to a folder of the fuzzer's own (under TMPDIR), for the
// whole run; it goes when the run ends.
inline void TrabajarEnCarpetaPropia()
{
    struct Carpeta {
        std::string ruta = (std::filesystem::temp_directory_path() / "talpin-fuzz-XXXXXX").string();
        ~Carpeta()
        {
            std::error_code error;
            std::filesystem::remove_all(ruta, error);
        }
    };
    static Carpeta carpeta;
    if (!::mkdtemp(carpeta.ruta.data()) || ::chdir(carpeta.ruta.c_str()) != 0)
        std::abort();
}

// Picture names as the window takes them: the game spells some with other
// capitals than its table of places does.
inline bool MismoFichero(std::u16string_view uno, std::u16string_view otro)
{
    const auto minuscula = [](char16_t letra) {
        return letra >= u'A' && letra <= u'Z' ? char16_t(letra + (u'a' - u'A')) : letra;
    };
    return std::ranges::equal(uno, otro, {}, minuscula, minuscula);
}
