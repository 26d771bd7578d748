#include "core/coincide.h"

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
        const QString copia = orden;
        QCOMPARE(Coincide(frase, orden), dice);
        QCOMPARE(orden, copia);
    }
};

QTEST_APPLESS_MAIN(TestCoincide)
#include "test_coincide.moc"
