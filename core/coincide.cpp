#include "core/coincide.h"

#include <string_view>

namespace {

// The end of the word that starts at `inicio`: after its blank, or at the end
// of the phrase for the last word.
qsizetype FinDePalabra(std::u16string_view frase, qsizetype inicio)
{
    const std::size_t blanco = frase.find(u' ', inicio);
    return blanco == frase.npos ? qsizetype(frase.size()) : qsizetype(blanco) + 1;
}

std::u16string_view Vista(QStringView texto)
{
    return {texto.utf16(), std::size_t(texto.size())};
}

} // namespace

// Word by word, every start position of the order in turn: slow, and plainly
// the rule. The interpreter uses the fast path below; the tests hold the two
// together.
bool Coincide(QString frase, QString orden)
{
    if (frase.isEmpty() || orden.isEmpty())
        return false;
    frase = frase.toUpper();
    orden = orden.toUpper();

    int palabras = 0;
    int encontradas = 0;
    for (qsizetype inicio = 0; inicio < frase.size(); ++palabras) {
        const qsizetype fin = FinDePalabra(Vista(frase), inicio);
        const QStringView palabra = QStringView(frase).sliced(inicio, fin - inicio);
        for (qsizetype posicion = 0; posicion + palabra.size() <= orden.size(); ++posicion) {
            if (QStringView(orden).sliced(posicion, palabra.size()) == palabra) {
                ++encontradas;
                break;
            }
        }
        inicio = fin;
    }
    return palabras == encontradas;
}

bool CoincideEnMayusculas(QStringView frase, QStringView orden)
{
    if (frase.isEmpty() || orden.isEmpty())
        return false;
    // The standard search beats QStringView's on texts this short.
    const std::u16string_view donde = Vista(orden);
    const std::u16string_view palabras = Vista(frase);
    for (qsizetype inicio = 0; inicio < frase.size();) {
        const qsizetype fin = FinDePalabra(palabras, inicio);
        if (donde.find(palabras.substr(inicio, fin - inicio)) == donde.npos)
            return false;
        inicio = fin;
    }
    return true;
}

QString Mayusculas(const QString& texto)
{
    // Qt's full case mapping is costly; plain ASCII needs none of it.
    QString mayusculas(texto.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const char16_t letra = texto[i].unicode();
        if (letra >= 0x80)
            return texto.toUpper();
        mayusculas[i] = QChar(letra >= u'a' && letra <= u'z' ? letra - (u'a' - u'A') : letra);
    }
    return mayusculas;
}
