#include "core/coincide.h"
#include "world/frases.h"

#include <QSet>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestCoincide : public QObject {
    Q_OBJECT

private slots:
    void dice_data()
    {
        QTest::addColumn<QString>("frase");
        QTest::addColumn<QString>("orden");
        QTest::addColumn<bool>("dice");

        QTest::newRow("extra words, any case") << u"USAR CONDONES FRAY CABRONUS"_s
                                               << u"usar los condones con fray cabronus"_s << true;
        QTest::newRow("last word at the last position") << u"USAR CONDONES FRAY CABRONUS"_s
                                                        << u"usar condones fray cabronus"_s << true;
        QTest::newRow("missing word") << u"USAR CONDONES FRAY CABRONUS"_s
                                      << u"usar condones cabronus"_s << false;
        QTest::newRow("empty order") << u"SUERO"_s << QString() << false;
        QTest::newRow("blanks only") << u"SUERO"_s << u"     "_s << false;
        QTest::newRow("one word") << u"SUERO"_s << u"suero"_s << true;
        QTest::newRow("piece of a word") << u"RETRO"_s << u"RETROCEDER"_s << true;
        QTest::newRow("stem") << u"COGER MUÑEC"_s << u"coger muñeca"_s << true;
        QTest::newRow("no blank after the first word") << u"MIRAR POZO"_s << u"POZO MIRAR"_s << false;
        QTest::newRow("blank at the end") << u"MIRAR POZO"_s << u"POZO MIRAR "_s << true;
        QTest::newRow("two blanks") << u"MIRAR POZO"_s << u"MIRAR  POZO"_s << true;
        QTest::newRow("part of a phrase") << u"MIRAR POZO"_s << u"MIRAR"_s << false;
        QTest::newRow("shorter phrase said") << u"MIRAR PUERTA"_s << u"MIRAR PUERTA IZQUIERDA"_s << true;
        QTest::newRow("longer phrase not said") << u"MIRAR PUERTA IZQUIERDA"_s << u"MIRAR PUERTA"_s
                                                << false;
        QTest::newRow("accented letters upper-cased") << u"USAR TELÉFONO"_s << u"usar teléfono"_s
                                                      << true;
        QTest::newRow("accent missing") << u"USAR TELÉFONO"_s << u"usar telefono"_s << false;
        QTest::newRow("accent extra") << u"USAR TELEFONO"_s << u"usar teléfono"_s << false;
        QTest::newRow("ñ") << u"HABLAR EXTRAÑO"_s << u"hablar extraño"_s << true;
        QTest::newRow("punctuation counts") << u"USAR CONDONES FRAY CABRONUS"_s
                                            << u"USAR CONDONES, FRAY CABRONUS"_s << false;
        QTest::newRow("words in any order") << u"USAR ASTILLA CAYENA"_s << u"cayena usar astilla "_s
                                            << true;
    }

    void dice()
    {
        QFETCH(QString, frase);
        QFETCH(QString, orden);
        QFETCH(bool, dice);
        QCOMPARE(Coincide(frase.toStdU16String(), orden.toStdU16String()), dice);
    }

    // What matching sees of a text: the letters that phrases are written
    // in, and a mark for each run of anything else, which no phrase can say.
    static QString Visto(const QString& texto, const QSet<QChar>& letras)
    {
        QString visto;
        for (QChar letra : texto) {
            if (letras.contains(letra))
                visto += letra;
            else if (!visto.endsWith(u'\0'))
                visto += u'\0';
        }
        return visto;
    }

    // Qt's full Unicode upper-casing is the reference: for every code point,
    // lone surrogates included, the game's upper-casing gives matching the
    // same letters, however many units it maps to (ß is "SS", ﬃ is "FFI").
    void mayusculasComoLasDeQt()
    {
        QSet<QChar> letras;
        for (const Frase& fila : TablaFrases)
            for (char16_t letra : fila.frase)
                letras.insert(QChar(letra));
        for (char32_t punto = 0; punto <= 0x10FFFF; ++punto) {
            const QString letra = punto <= 0xFFFF ? QString(QChar(char16_t(punto))) : QString::fromUcs4(&punto, 1);
            const std::u16string mayusculas = Mayusculas(letra.toStdU16String());
            // Not fromStdU16String: it would take U+FEFF for a byte-order mark.
            const QString juego(reinterpret_cast<const QChar*>(mayusculas.data()), qsizetype(mayusculas.size()));
            QVERIFY2(Visto(juego, letras) == Visto(letra.toUpper(), letras),
                     qPrintable(u"U+"_s + QString::number(quint32(punto), 16)));
        }
    }

    // The interpreter's fast path gives the plain matcher's answer for every
    // phrase of the table and orders of every kind, and its sieve keeps every
    // phrase said.
    void caminoRapido()
    {
        QStringList ordenes = {
            QString(), u" "_s, u"    "_s, u"x"_s, u"usar movil"_s, u"USAR MÓVIL"_s, u"usar móvil"_s,
            u"retroceder"_s, u"pozo mirar"_s, u"pozo mirar "_s, u"usar condones, fray cabronus"_s,
            u"straße mirar pozo"_s, u"ÿ µ ß ﬁ"_s, u"mirar muñeca"_s, u"MIRAR MUÑEC"_s,
            u"usar 🙂 pozo"_s, u"usar\tpozo"_s, u"ıi İI"_s, QString(QChar(0xD800)) + u"usar pozo"_s,
        };
        for (const Frase& fila : TablaFrases) {
            const QString frase = QString::fromStdU16String(std::u16string(fila.frase));
            QCOMPARE(frase, frase.toUpper()); // the fast path takes it as it is
            const QStringList palabras = frase.split(u' ');
            QStringList alReves = palabras;
            std::reverse(alReves.begin(), alReves.end());
            ordenes << frase << frase.toLower() << alReves.join(u' ') << alReves.join(u' ') + u' '
                    << palabras.join(u"  "_s) << palabras.join(u',') << frase.chopped(1)
                    << frase.sliced(1) << u"el "_s + frase.toLower() + u" ya"_s;
        }
        for (const QString& orden : std::as_const(ordenes)) {
            const std::u16string mayusculas = Mayusculas(orden.toStdU16String());
            for (const Frase& fila : TablaFrases) {
                const bool dice = Coincide(fila.frase, orden.toStdU16String());
                const QString caso = QString::fromStdU16String(std::u16string(fila.frase)) + u" / "_s + orden;
                QVERIFY2(CoincideEnMayusculas(fila.frase, mayusculas) == dice, qPrintable(caso));
                // The letters' sieve never passes over a phrase that is said.
                QVERIFY2(!dice || (Letras(fila.frase) & ~Letras(mayusculas)) == 0, qPrintable(caso));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestCoincide)
#include "test_coincide.moc"
