#include "core/coincide.h"

#include <algorithm>
#include <array>

namespace {

// The letters outside a-z and Latin-1 whose capitals hold a Latin capital,
// with those capitals in full.
struct Especial {
    char16_t letra;
    std::u16string_view mayuscula;
};

constexpr std::array<Especial, 17> especiales = {{
    {u'\u00DF', u"SS"},           // ß
    {u'\u0131', u"I"},            // dotless ı
    {u'\u0149', u"\u02BCN"},      // ŉ
    {u'\u017F', u"S"},            // long ſ
    {u'\u01F0', u"J\u030C"},      // ǰ
    {u'\u1E96', u"H\u0331"},      // ẖ
    {u'\u1E97', u"T\u0308"},      // ẗ
    {u'\u1E98', u"W\u030A"},      // ẘ
    {u'\u1E99', u"Y\u030A"},      // ẙ
    {u'\u1E9A', u"A\u02BE"},      // ẚ
    {u'\uFB00', u"FF"},           // the ligatures ﬀ to ﬆ
    {u'\uFB01', u"FI"},
    {u'\uFB02', u"FL"},
    {u'\uFB03', u"FFI"},
    {u'\uFB04', u"FFL"},
    {u'\uFB05', u"ST"},
    {u'\uFB06', u"ST"},
}};

constexpr char16_t diferencia = u'a' - u'A'; // the same for à to þ

bool EsMinusculaSimple(char16_t letra)
{
    return (letra >= u'a' && letra <= u'z') || (letra >= u'\u00E0' && letra <= u'\u00FE' && letra != u'\u00F7');
}

} // namespace

std::u16string Mayusculas(std::u16string_view texto)
{
    std::u16string mayusculas;
    mayusculas.reserve(texto.size());
    for (const char16_t letra : texto) {
        if (EsMinusculaSimple(letra)) {
            mayusculas += char16_t(letra - diferencia);
            continue;
        }
        const auto especial = letra < especiales.front().letra
                                  ? especiales.end()
                                  : std::find_if(especiales.begin(), especiales.end(),
                                                 [letra](const Especial& e) { return e.letra == letra; });
        if (especial != especiales.end())
            mayusculas += especial->mayuscula;
        else
            mayusculas += letra;
    }
    return mayusculas;
}
