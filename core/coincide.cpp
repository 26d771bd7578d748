#include "core/coincide.h"

namespace {

// The end of the word that starts at `inicio`: after its blank, or at the end
// of the phrase for the last word.
std::size_t FinDePalabra(std::u16string_view frase, std::size_t inicio)
{
    const std::size_t blanco = frase.find(u' ', inicio);
    return blanco == frase.npos ? frase.size() : blanco + 1;
}

} // namespace

// Word by word, every start position of the order in turn: slow, and plainly
// the rule. The interpreter uses the fast path below; the tests hold the two
// together.
bool Coincide(std::u16string_view frase, std::u16string_view orden)
{
    if (frase.empty() || orden.empty())
        return false;
    const std::u16string palabras = Mayusculas(frase);
    const std::u16string donde = Mayusculas(orden);

    int cuantas = 0;
    int encontradas = 0;
    for (std::size_t inicio = 0; inicio < palabras.size(); ++cuantas) {
        const std::size_t fin = FinDePalabra(palabras, inicio);
        const std::u16string_view palabra = std::u16string_view(palabras).substr(inicio, fin - inicio);
        for (std::size_t posicion = 0; posicion + palabra.size() <= donde.size(); ++posicion) {
            if (std::u16string_view(donde).substr(posicion, palabra.size()) == palabra) {
                ++encontradas;
                break;
            }
        }
        inicio = fin;
    }
    return cuantas == encontradas;
}

std::uint64_t Letras(std::u16string_view texto)
{
    // A to Z a bit each; anything else shares the remaining bits.
    constexpr unsigned letrasLatinas = 26;
    constexpr unsigned otras = 64 - letrasLatinas;
    std::uint64_t letras = 0;
    for (const char16_t letra : texto)
        letras |= std::uint64_t(1) << (letra >= u'A' && letra <= u'Z' ? letra - u'A' : letrasLatinas + letra % otras);
    return letras;
}

bool CoincideEnMayusculas(std::u16string_view frase, std::u16string_view orden)
{
    if (frase.empty() || orden.empty())
        return false;
    for (std::size_t inicio = 0; inicio < frase.size();) {
        const std::size_t fin = FinDePalabra(frase, inicio);
        if (orden.find(frase.substr(inicio, fin - inicio)) == orden.npos)
            return false;
        inicio = fin;
    }
    return true;
}
