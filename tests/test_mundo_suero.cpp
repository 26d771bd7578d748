#include "partida_prueba.h"

#include "world/textos_final.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const QString manzana = u"usar manzana botijo"_s;
const QString salfuman = u"usar salfumán botijo"_s;
const QString jabon = u"usar jabon botijo"_s;

} // namespace

// The truth serum: the recipe, the telephone, the pours and the winning order.
class TestMundoSuero : public QObject {
    Q_OBJECT

private slots:
    void lasTresVertidasEnCualquierOrden_data()
    {
        QTest::addColumn<QStringList>("ordenes");
        QTest::newRow("apple, acid, soap") << QStringList{manzana, salfuman, jabon};
        QTest::newRow("apple, soap, acid") << QStringList{manzana, jabon, salfuman};
        QTest::newRow("acid, apple, soap") << QStringList{salfuman, manzana, jabon};
        QTest::newRow("acid, soap, apple") << QStringList{salfuman, jabon, manzana};
        QTest::newRow("soap, apple, acid") << QStringList{jabon, manzana, salfuman};
        QTest::newRow("soap, acid, apple") << QStringList{jabon, salfuman, manzana};
    }

    void lasTresVertidasEnCualquierOrden()
    {
        QFETCH(QStringList, ordenes);
        Partida partida(Comedor, u"jabon=1 manzana=1 salfuman=1"_s);
        QCOMPARE(partida.Orden(ordenes[0]).size(), 1);
        QCOMPARE(partida.Orden(ordenes[1]).size(), 1);
        const QStringList tercera = partida.Orden(ordenes[2]);
        QCOMPARE(tercera.size(), 2);
        QVERIFY(tercera[1].contains(u"suero de la verdad"_s));
        QVERIFY(tercera[1].contains(u"jabonera"_s));

        const GameState& e = partida.juego.estado;
        QCOMPARE(e.ingredientes, 3);
        QCOMPARE(e.jabon, 2);
        QCOMPARE(e.manzana, 2);
        QCOMPARE(e.salfuman, 2);
    }

    void verterDosVecesONada_data()
    {
        QTest::addColumn<QString>("orden");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("vertido");
        QTest::addColumn<QString>("yaVertido");

        QTest::newRow("apple") << manzana << u"manzana"_s
                               << u"He tirado la asquerosa manzana podrida en el botijo."_s
                               << u"Ya he tirado la manzana."_s;
        QTest::newRow("acid") << u"usar salfuman botijo"_s << u"salfuman"_s << QString()
                              << u"Ya he vaciado la botella de salfumán."_s;
        QTest::newRow("soap") << jabon << u"jabon"_s
                              << u"He tirado el jabón líquido al botijo. ¡Qué olor a rosas silvestres!"_s
                              << u"Ya no me queda más jabón, lo he tirado al botijo."_s;
    }

    void verterDosVecesONada()
    {
        QFETCH(QString, orden);
        QFETCH(QString, campo);
        QFETCH(QString, vertido);
        QFETCH(QString, yaVertido);

        Partida sinNada(Comedor);
        QCOMPARE(sinNada.Orden(orden), QStringList{u"No tengo de eso."_s});
        QCOMPARE(sinNada.juego.estado.ingredientes, 0);

        Partida partida(Comedor, campo + u"=1"_s);
        const QStringList primera = partida.Orden(orden);
        QCOMPARE(primera.size(), 1);
        if (!vertido.isEmpty())
            QCOMPARE(primera[0], vertido);
        QCOMPARE(partida.Orden(orden), QStringList{yaVertido});
        QCOMPARE(partida.juego.estado.ingredientes, 1);
        QCOMPARE(DeJuego(partida.ventana.ordenes), QString());
    }

    // Soap had again counts again: the third pour makes the serum, the
    // fourth spoils it for good.
    void jabonRepetidoLlegaATresYPasa()
    {
        Partida partida(Comedor);
        for (int vez = 1; vez <= 4; ++vez) {
            partida.juego.estado.jabon = 1;
            QCOMPARE(partida.Orden(jabon).size(), vez == 3 ? 2 : 1);
            QCOMPARE(partida.juego.estado.ingredientes, vez);
        }
        partida.juego.estado.lugar = Calle;
        QCOMPARE(partida.Orden(u"suero"_s), QStringList{u"Intenta expresarte de otra manera ..."_s});
        QVERIFY(!partida.ventana.final);
    }

    void soloElSalfumanLlevaAcentoEnElBotijo()
    {
        Partida partida(Comedor, u"jabon=1"_s);
        QCOMPARE(partida.Orden(u"usar jabón botijo"_s), QStringList{u"Intenta expresarte de otra manera ..."_s});
        QCOMPARE(partida.juego.estado.jabon, 1);
    }

    void miradasDeLoVertido_data()
    {
        QTest::addColumn<QString>("orden");
        QTest::addColumn<QString>("antes");
        QTest::addColumn<QStringList>("lineas");

        QTest::newRow("no soap") << u"mirar jabón"_s << u""_s
                                 << QStringList{u"No tengo ningún jabón, a pesar de que me huelen los sobacos"_s};
        QTest::newRow("soap") << u"mirar jabon"_s << u"jabon=1"_s
                              << QStringList{u"Es un pequeño bote de jabón líquido"_s};
        QTest::newRow("soap poured") << u"mirar jabon"_s << u"jabon=2"_s << QStringList();
        QTest::newRow("no acid") << u"mirar salfumán"_s << u""_s << QStringList{u"No gasto de eso"_s};
        QTest::newRow("acid") << u"mirar salfuman"_s << u"salfuman=1"_s
                              << QStringList{u"Pues simplemente una botella de salfumán"_s};
        QTest::newRow("acid poured") << u"mirar salfuman"_s << u"salfuman=2"_s << QStringList();
        QTest::newRow("no recipe") << u"mirar receta"_s << u""_s << QStringList{u"No tengo ninguna receta ..."_s};
        QTest::newRow("recipe neither had nor not") << u"mirar receta"_s << u"receta=2"_s << QStringList();
        QTest::newRow("jug after the pours") << u"mirar botijo"_s << u"ingredientes=3"_s
                                             << QStringList{u"Está lleno de agua ... y no pienso beber"_s};
    }

    void miradasDeLoVertido()
    {
        QFETCH(QString, orden);
        QFETCH(QString, antes);
        QFETCH(QStringList, lineas);

        Partida partida(Comedor, antes);
        QCOMPARE(partida.Orden(orden), lineas);
        QCOMPARE(DeJuego(partida.ventana.ordenes), QString());
    }

    void laRecetaSeEncuentraYSeLee()
    {
        Partida partida(Dormitorio);
        partida.Orden(u"mirar armario"_s);
        QCOMPARE(partida.juego.estado.receta, 1);
        const QStringList receta = partida.Orden(u"mirar receta"_s);
        QCOMPARE(receta.size(), 8);
        QCOMPARE(receta.first(), u"Dice así:"_s);
        QCOMPARE(receta[6], u"- Y un imbecil suicida que se la quiera beber"_s);
    }

    // The tests run in a fixed order: number and phone, then the spent
    // battery, then the phone alone.
    void telefono_data()
    {
        QTest::addColumn<QString>("antes");
        QTest::addColumn<int>("lineas");
        QTest::addColumn<QString>("primera");

        QTest::newRow("nothing") << u""_s << 1 << u"No tengo ningún móvil"_s;
        QTest::newRow("number, no phone") << u"numeroPozo=1"_s << 1 << u"No tengo ningún móvil"_s;
        QTest::newRow("phone, no number") << u"movil=1 receta=1"_s << 1 << u"Mejor, llamaré más tarde ..."_s;
        QTest::newRow("nothing to say yet") << u"movil=1 numeroPozo=1"_s << 1 << u"pozo"_s;
        QTest::newRow("battery spent") << u"movil=1 numeroPozo=2 receta=1"_s << 1 << u"batería"_s;
        QTest::newRow("battery before the phone") << u"numeroPozo=2"_s << 1 << u"batería"_s;
        QTest::newRow("phone neither had nor not") << u"movil=2"_s << 0 << QString();
    }

    void telefono()
    {
        QFETCH(QString, antes);
        QFETCH(int, lineas);
        QFETCH(QString, primera);

        Partida partida(Patio, antes);
        const GameState estado = partida.juego.estado;
        const QStringList lista = partida.Orden(u"usar movil"_s);
        QCOMPARE(lista.size(), lineas);
        if (lineas > 0)
            QVERIFY2(lista[0].contains(primera), qPrintable(lista[0]));
        QVERIFY(partida.juego.estado == estado);
    }

    void laLlamadaTraeElSalfumanOtraVez()
    {
        Partida partida(Patio, u"movil=1 numeroPozo=1 receta=1 salfuman=2"_s);
        const QString t = u"TELÉFONO: "_s;
        const QString yo = u"TALPÍN: "_s;
        const QStringList llamada = partida.Orden(u"usar teléfono"_s);
        ComprobarEtiquetas(llamada, {t, yo, t, yo, t, yo, t, yo, t, yo, t, yo});
        QVERIFY(llamada[10].contains(u"OBJETOS"_s));
        QCOMPARE(partida.juego.estado.salfuman, 1);
        QCOMPARE(partida.juego.estado.numeroPozo, 2);

        partida.juego.estado.salfuman = 2;
        partida.Orden(u"mirar pozo"_s);
        QCOMPARE(partida.Orden(u"usar móvil"_s), llamada);
        QCOMPARE(partida.juego.estado.salfuman, 1);
    }

    void suero_data()
    {
        QTest::addColumn<int>("lugar");
        QTest::addColumn<int>("ingredientes");
        QTest::addColumn<QString>("orden");
        QTest::addColumn<bool>("gana");

        QTest::newRow("ready") << 1 << 3 << u"suero"_s << true;
        QTest::newRow("any order naming it") << 1 << 3 << u"usar suero fray cabronus"_s << true;
        QTest::newRow("not ready") << 1 << 2 << u"suero"_s << false;
        QTest::newRow("spoilt") << 1 << 4 << u"suero"_s << false;
        QTest::newRow("not in the street") << 2 << 3 << u"suero"_s << false;
    }

    void suero()
    {
        QFETCH(int, lugar);
        QFETCH(int, ingredientes);
        QFETCH(QString, orden);
        QFETCH(bool, gana);

        Partida partida(Lugar(lugar), u"ingredientes="_s + QString::number(ingredientes));
        const QStringList lista = partida.Orden(orden);
        QCOMPARE(partida.ventana.final, gana);
        QCOMPARE(lista, gana ? QStringList() : QStringList{u"Intenta expresarte de otra manera ..."_s});
        QCOMPARE(DeJuego(partida.ventana.ordenes), QString());
    }

    // Narrations carry no speaker label; the denial has a second blank.
    void textosDelFinal()
    {
        const QString t = u"TALPÍN: "_s;
        const QString c = u"FRAY CABRONUS: "_s;
        const QStringList etiquetas = {{}, {}, t, c, {}, t, c + u' ', t, c, {}, t, {}, {}};
        QStringList textos;
        for (std::u16string_view texto : TextosFinal)
            textos << DeJuego(texto);
        QCOMPARE(textos.size(), etiquetas.size());
        QCOMPARE(textos.last(), u"The FiN"_s);
        for (qsizetype i = 0; i < textos.size(); ++i) {
            const QString& texto = textos[i];
            QVERIFY2(texto.size() > etiquetas[i].size() + 1, qPrintable(texto));
            if (etiquetas[i].isEmpty()) {
                QVERIFY2(!texto.startsWith(t) && !texto.startsWith(c), qPrintable(texto));
            } else {
                QVERIFY2(texto.startsWith(etiquetas[i]), qPrintable(texto));
                QVERIFY2(texto[etiquetas[i].size()] != u' ', qPrintable(texto));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestMundoSuero)
#include "test_mundo_suero.moc"
