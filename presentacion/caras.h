#pragma once

#include <span>
#include <string_view>

// The free faces (Debian packages in scripts/debian-packages.txt) that stand
// in for the Windows faces of the layouts, for the desktop and the page alike.
struct Cara {
    std::string_view windows;
    std::string_view libre;
    enum Familia { SinSerifa, ConSerifa, Manuscrita } familia;
    // Weights as CSS and Qt number them: 400 normal, 700 bold, 900 black.
    int normal;
    int negrita;
    // Script faces are slanted already: asking them for italics would slant them twice.
    bool admiteCursiva;
    // Its size against the Windows face's, for a face that runs much wider:
    // set smaller, it takes the room the layouts give the original.
    double escala = 1.0;
};

std::span<const Cara> Caras();

// The face standing in for that Windows face (letter case ignored), or
// null for a face the table lacks.
const Cara* CaraLibre(std::string_view windows);

// The size in pixels of a layout's face, as its points measure at 96 dots
// per inch, so the text fits its box whatever the screen's logical dpi.
// The stand-in's own scale is in it.
int PixelesDeLetra(std::string_view caraWindows, double puntos);
