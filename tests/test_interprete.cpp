#include "partida_prueba.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const QString noEntendido = u"Intenta expresarte de otra manera ..."_s;

} // namespace

class TestInterprete : public QObject {
    Q_OBJECT

private slots:
    // When an order says several phrases, the first row of the table wins:
    // rows valid everywhere first, then the place's rows in their order.
    void primeraFila_data()
    {
        QTest::addColumn<GameState>("estado");
        QTest::addColumn<QString>("orden");
        QTest::addColumn<QString>("mismaQue"); // the order whose answer it gets

        QTest::newRow("soap before the jug") << GameState{.lugar = Comedor, .jabon = 1}
                                             << u"Mirar jabon botijo"_s << u"mirar jabon"_s;
        QTest::newRow("garage before the door") << GameState{.lugar = Calle} << u"usar puerta garaje"_s
                                                << u"usar garaje"_s;
        QTest::newRow("rubbing before pricking") << GameState{.lugar = Cocina}
                                                 << u"usar astilla cayena fray supremus"_s
                                                 << u"usar cayena astilla"_s;
        QTest::newRow("phone before the recipe") << GameState{.lugar = Aseo} << u"usar movil mirar receta"_s
                                                 << u"usar telefono"_s;
        QTest::newRow("look at the left door, not the door") << GameState{.lugar = Cocina}
                                                             << u"MIRAR PUERTA IZQUIERDA"_s
                                                             << u"mirar izquierda puerta "_s;
    }

    void primeraFila()
    {
        QFETCH(GameState, estado);
        QFETCH(QString, orden);
        QFETCH(QString, mismaQue);
        Partida dicha(estado);
        Partida esperada(estado);
        QCOMPARE(dicha.Orden(orden), esperada.Orden(mismaQue));
        QCOMPARE(dicha.juego.estado, esperada.juego.estado);
        QVERIFY(DeJuego(dicha.ventana.lista) != QStringList{noEntendido});
    }

    void rozarAntesQuePinchar()
    {
        Partida partida(GameState{.lugar = Cocina, .astilla = 1, .cayena = 1});
        partida.Orden(u"usar astilla cayena fray supremus"_s);
        QCOMPARE(partida.juego.estado.astillaPicante, 1);
        QCOMPARE(partida.juego.estado.supremusPinchado, 0);
    }

    void sinRespuesta_data()
    {
        QTest::addColumn<GameState>("estado");
        QTest::addColumn<QString>("orden");
        QTest::newRow("verb alone") << GameState{.lugar = Patio} << u"MIRAR"_s;
        QTest::newRow("empty") << GameState{.lugar = Calle} << QString();
        QTest::newRow("blanks") << GameState{.lugar = Calle} << u"    "_s;
        QTest::newRow("serum away from the street") << GameState{.lugar = Cocina, .ingredientes = 3}
                                                    << u"SUERO"_s;
        QTest::newRow("soap pour only without accent") << GameState{.lugar = Comedor, .jabon = 1}
                                                       << u"usar jabón botijo"_s;
        QTest::newRow("words glued to punctuation") << GameState{.lugar = Calle, .condonesCalientes = 1}
                                                    << u"USAR CONDONES, FRAY CABRONUS"_s;
    }

    void sinRespuesta()
    {
        QFETCH(GameState, estado);
        QFETCH(QString, orden);
        Partida partida(estado);
        QCOMPARE(partida.Orden(orden), QStringList{noEntendido});
        QCOMPARE(DeJuego(partida.ventana.ordenes), QString());
        QCOMPARE(partida.juego.estado, estado);
        QVERIFY(!partida.ventana.final);
    }

    // One phrase, two places, two actions.
    void armarios()
    {
        Partida cocina(GameState{.lugar = Cocina});
        Partida dormitorio(GameState{.lugar = Dormitorio});
        QVERIFY(cocina.Orden(u"mirar armario"_s) != dormitorio.Orden(u"mirar armario"_s));
        QCOMPARE(cocina.juego.estado.receta, 0);
        QCOMPARE(dormitorio.juego.estado.receta, 1);
    }

    // Nowhere (a damaged saved game): only rows valid in every place answer.
    void fueraDeLaCasa()
    {
        Partida partida(GameState{.lugar = 0, .hierro = 1});
        QCOMPARE(partida.Orden(u"retro"_s), QStringList{u"lo de antes"_s});
        QCOMPARE(DeJuego(partida.ventana.ordenes), u"retro"_s);
        const QStringList hierro = partida.Orden(u"mirar hierro"_s);
        QCOMPARE(hierro, Partida(GameState{.lugar = Calle, .hierro = 1}).Orden(u"mirar hierro"_s));
        QCOMPARE(DeJuego(partida.ventana.ordenes), QString());
    }

    void esc()
    {
        Partida partida(GameState{.lugar = Calle});
        partida.ventana.ordenes = u"mirar pozo";
        partida.juego.Pulsar(Mando::Esc);
        QCOMPARE(DeJuego(partida.ventana.despedida), u"¡Gracias por jugar!, y vuelva pronto"_s);
        QCOMPARE(DeJuego(partida.ventana.ordenes), u"mirar pozo"_s);
    }
};

QTEST_GUILESS_MAIN(TestInterprete)
#include "test_interprete.moc"
