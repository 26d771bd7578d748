#include "core/utf8.h"

#include <algorithm>

namespace {

constexpr char32_t sustituto = 0xFFFD;
constexpr char32_t sustitutoEscrito = '?'; // for a lone surrogate, as Qt writes it
constexpr std::string_view marcaDeOrden = "\xEF\xBB\xBF";

bool EsAlta(char32_t unidad) { return unidad >= 0xD800 && unidad <= 0xDBFF; }
bool EsBaja(char32_t unidad) { return unidad >= 0xDC00 && unidad <= 0xDFFF; }

void Poner(std::string& salida, char32_t punto)
{
    if (punto < 0x80) {
        salida += char(punto);
    } else if (punto < 0x800) {
        salida += char(0xC0 | (punto >> 6));
        salida += char(0x80 | (punto & 0x3F));
    } else if (punto < 0x10000) {
        salida += char(0xE0 | (punto >> 12));
        salida += char(0x80 | ((punto >> 6) & 0x3F));
        salida += char(0x80 | (punto & 0x3F));
    } else {
        salida += char(0xF0 | (punto >> 18));
        salida += char(0x80 | ((punto >> 12) & 0x3F));
        salida += char(0x80 | ((punto >> 6) & 0x3F));
        salida += char(0x80 | (punto & 0x3F));
    }
}

void Poner(std::u16string& salida, char32_t punto)
{
    if (punto < 0x10000) {
        salida += char16_t(punto);
    } else {
        salida += char16_t(0xD800 + ((punto - 0x10000) >> 10));
        salida += char16_t(0xDC00 + ((punto - 0x10000) & 0x3FF));
    }
}

} // namespace

std::string Utf8(std::u16string_view texto)
{
    std::string salida;
    salida.reserve(texto.size());
    for (std::size_t i = 0; i < texto.size(); ++i) {
        char32_t punto = texto[i];
        if (EsAlta(punto) && i + 1 < texto.size() && EsBaja(texto[i + 1]))
            punto = 0x10000 + ((punto - 0xD800) << 10) + (texto[++i] - 0xDC00);
        else if (EsAlta(punto) || EsBaja(punto))
            punto = sustitutoEscrito;
        Poner(salida, punto);
    }
    return salida;
}

std::u16string Utf16(std::string_view texto)
{
    std::u16string salida;
    salida.reserve(texto.size());
    // Editors on some systems start a text with one; it is no part of it.
    if (texto.starts_with(marcaDeOrden))
        texto.remove_prefix(marcaDeOrden.size());
    for (std::size_t i = 0; i < texto.size();) {
        const unsigned char primero = texto[i];
        // How many bytes follow, and the least value they may spell.
        const int siguen = primero < 0x80 ? 0 : primero >= 0xC2 && primero <= 0xDF ? 1
                           : primero >= 0xE0 && primero <= 0xEF                ? 2
                           : primero >= 0xF0 && primero <= 0xF4                ? 3
                                                                               : -1;
        static constexpr char32_t minimos[] = {0, 0x80, 0x800, 0x10000};
        char32_t punto = siguen < 0 ? sustituto : char32_t(primero & (siguen == 0 ? 0x7F : 0x3F >> siguen));
        int leidos = 0;
        for (; siguen > 0 && leidos < siguen && i + 1 + leidos < texto.size(); ++leidos) {
            const unsigned char byte = texto[i + 1 + leidos];
            if ((byte & 0xC0) != 0x80)
                break;
            punto = (punto << 6) | (byte & 0x3F);
        }
        if (siguen > 0 && (leidos < siguen || punto < minimos[siguen] || punto > 0x10FFFF
                           || EsAlta(punto) || EsBaja(punto))) {
            // One stand-in for the malformed start byte; the rest is read anew.
            Poner(salida, sustituto);
            ++i;
            continue;
        }
        Poner(salida, punto);
        i += 1 + std::max(siguen, 0);
    }
    return salida;
}
