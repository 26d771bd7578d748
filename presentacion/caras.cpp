#include "presentacion/caras.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr std::array<Cara, 10> caras{{
    // fonts-liberation2: metric-compatible with Arial; MS Sans Serif is of the same cut.
    {"MS Sans Serif", "Liberation Sans", Cara::SinSerifa, 400, 700, true},
    {"Arial", "Liberation Sans", Cara::SinSerifa, 400, 700, true},
    // fonts-roboto-unhinted: a grotesque like Arial, in its heaviest weight.
    {"Arial Black", "Roboto", Cara::SinSerifa, 900, 900, true},
    // fonts-comfortaa: rounded strokes, and the face is bold by name.
    {"Arial Rounded MT Bold", "Comfortaa", Cara::SinSerifa, 700, 700, false},
    // fonts-linuxlibertine: an old-style roman like Goudy's Californian, with a true bold.
    {"Californian FB", "Linux Libertine O", Cara::ConSerifa, 400, 700, true},
    // fonts-kaushanscript: a quick inked brush; one weight, already heavy,
    // and broader than the narrow Mistral.
    {"Mistral", "Kaushan Script", Cara::Manuscrita, 400, 400, false, 0.88},
    // fonts-quicksand: thin even strokes with round ends, like the plotter
    // face Modern, but rounder and so a little wider.
    {"Modern", "Quicksand", Cara::SinSerifa, 400, 700, false, 0.92},
    // fonts-texgyre: a chancery hand, as Monotype Corsiva is.
    {"Monotype Corsiva", "TeX Gyre Chorus", Cara::Manuscrita, 400, 700, false},
    // fonts-dancingscript: a light, lively calligraphic script.
    {"Pristina", "Dancing Script", Cara::Manuscrita, 400, 700, false},
    // fonts-comic-neue: an informal hand that stays readable in small sizes.
    {"Tempus Sans ITC", "Comic Neue", Cara::SinSerifa, 400, 700, true},
}};

bool MismaCara(std::string_view a, std::string_view b)
{
    const auto minuscula = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::equal(
        a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) { return minuscula(x) == minuscula(y); });
}

} // namespace

std::span<const Cara> Caras() { return caras; }

const Cara* CaraLibre(std::string_view windows)
{
    const auto cara = std::find_if(
        caras.begin(), caras.end(), [&](const Cara& c) { return MismaCara(c.windows, windows); });
    return cara == caras.end() ? nullptr : &*cara;
}

int PixelesDeLetra(std::string_view caraWindows, double puntos)
{
    const Cara* cara = CaraLibre(caraWindows);
    return int(std::lround(puntos * (cara ? cara->escala : 1.0) * 96 / 72));
}
