#include "ui/fuentes.h"

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

// The free face (Debian package in the comment) that stands in for a Windows face.
struct Sustituta {
    QStringView windows;
    QString libre;
    QFont::StyleHint estilo;
    QFont::Weight normal;
    QFont::Weight negrita;
    // Script faces are slanted already: asking them for italics would slant them twice.
    bool admiteCursiva;
    // Its size against the Windows face's, for a face that runs much wider:
    // set smaller, it takes the room the layouts give the original, and
    // the captions need not be measured again at a second size.
    qreal escala = 1.0;
};

const std::array<Sustituta, 10>& Sustitutas()
{
    static const std::array<Sustituta, 10> tabla{{
        // fonts-liberation2: metric-compatible with Arial; MS Sans Serif is of the same cut.
        {u"MS Sans Serif", u"Liberation Sans"_s, QFont::SansSerif, QFont::Normal, QFont::Bold, true},
        {u"Arial", u"Liberation Sans"_s, QFont::SansSerif, QFont::Normal, QFont::Bold, true},
        // fonts-roboto-unhinted: a grotesque like Arial, in its heaviest weight.
        {u"Arial Black", u"Roboto"_s, QFont::SansSerif, QFont::Black, QFont::Black, true},
        // fonts-comfortaa: rounded strokes, and the face is bold by name.
        {u"Arial Rounded MT Bold", u"Comfortaa"_s, QFont::SansSerif, QFont::Bold, QFont::Bold, false},
        // fonts-linuxlibertine: an old-style roman like Goudy's Californian, with a true bold.
        {u"Californian FB", u"Linux Libertine O"_s, QFont::Serif, QFont::Normal, QFont::Bold, true},
        // fonts-kaushanscript: a quick inked brush; one weight, already heavy,
        // and broader than the narrow Mistral.
        {u"Mistral", u"Kaushan Script"_s, QFont::Cursive, QFont::Normal, QFont::Normal, false, 0.88},
        // fonts-quicksand: thin even strokes with round ends, like the plotter
        // face Modern, but rounder and so a little wider.
        {u"Modern", u"Quicksand"_s, QFont::SansSerif, QFont::Normal, QFont::Bold, false, 0.92},
        // fonts-texgyre: a chancery hand, as Monotype Corsiva is.
        {u"Monotype Corsiva", u"TeX Gyre Chorus"_s, QFont::Cursive, QFont::Normal, QFont::Bold, false},
        // fonts-dancingscript: a light, lively calligraphic script.
        {u"Pristina", u"Dancing Script"_s, QFont::Cursive, QFont::Normal, QFont::Bold, false},
        // fonts-comic-neue: an informal hand that stays readable in small sizes.
        {u"Tempus Sans ITC", u"Comic Neue"_s, QFont::SansSerif, QFont::Normal, QFont::Bold, true},
    }};
    return tabla;
}

} // namespace

QFont Fuente(const QString& caraWindows, qreal puntos, bool negrita, bool cursiva)
{
    QFont fuente;
    fuente.setPointSizeF(puntos);
    fuente.setBold(negrita);
    fuente.setItalic(cursiva);
    for (const Sustituta& cara : Sustitutas()) {
        if (cara.windows.compare(caraWindows, Qt::CaseInsensitive) != 0)
            continue;
        fuente.setFamily(cara.libre);
        fuente.setStyleHint(cara.estilo);
        fuente.setWeight(negrita ? cara.negrita : cara.normal);
        fuente.setItalic(cursiva && cara.admiteCursiva);
        fuente.setPointSizeF(puntos * cara.escala);
        break;
    }
    return fuente;
}
