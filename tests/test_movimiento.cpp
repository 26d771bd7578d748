#include "partida_prueba.h"

using namespace Qt::Literals::StringLiterals;

class TestMovimiento : public QObject {
    Q_OBJECT

private slots:
    void grafo_data()
    {
        QTest::addColumn<int>("desde");
        QTest::addColumn<QString>("orden");
        QTest::addColumn<int>("hasta");
        QTest::addColumn<QString>("image3");
        QTest::addColumn<QString>("image2"); // empty: hidden
        QTest::addColumn<QStringList>("lineas");

        const QString patio =
            u"Te encuentras en el patio, ves un saco de basura, un pozo, un extraño, y una verja al fondo"_s;
        QTest::newRow("street to kitchen") << 1 << u"usar la puerta"_s << 2 << u"dentro1.jpg"_s
                                           << u"supremus.jpg"_s
                                           << QStringList{u"Estás dentro de la casa, y ves a Fray Supremus."_s};
        QTest::newRow("kitchen back") << 2 << u"RETRO"_s << 1 << u"uno2.jpg"_s << u"Fray-Portero.jpg"_s
                                      << QStringList{};
        QTest::newRow("garage back") << 3 << u"retroceder"_s << 1 << u"uno2.jpg"_s << u"Fray-Portero.jpg"_s
                                     << QStringList{};
        QTest::newRow("garage exit") << 3 << u"usar salida"_s << 5 << u"reja.jpg"_s << QString()
                                     << QStringList{u"Te encuentras con una verja cerrada"_s};
        QTest::newRow("second kitchen yard") << 4 << u"usar puerta"_s << 6 << u"pozo.jpg"_s << u"tonto.jpg"_s
                                             << QStringList{patio};
        QTest::newRow("gate back") << 5 << u"retro"_s << 3 << u"garaje.jpg"_s << QString() << QStringList{};
        QTest::newRow("yard back") << 6 << u"retro"_s << 4 << u"Casa.jpg"_s << QString()
                                   << QStringList{u"Entras de nuevo a la segunda cocina"_s};
        QTest::newRow("corridor before door") << 6 << u"usar pasillo puerta"_s << 7 << u"Aseo.jpg"_s
                                              << QString() << QStringList{u"Estás en el aseo"_s};
        QTest::newRow("yard door") << 6 << u"usar puerta"_s << 8 << u"Dentro2.jpg"_s << QString()
                                   << QStringList{u"Estás en el comedor"_s};
        QTest::newRow("washroom back") << 7 << u"retro"_s << 6 << u"pozo.jpg"_s << u"tonto.jpg"_s
                                       << QStringList{u"Vuelves al patio"_s};
        QTest::newRow("dining room back") << 8 << u"retro"_s << 6 << u"pozo.jpg"_s << u"tonto.jpg"_s
                                          << QStringList{patio};
        QTest::newRow("dining room door") << 8 << u"usar puerta"_s << 9 << u"cuarto.jpg"_s << QString()
                                          << QStringList{u"Estás en el dormitorio"_s};
        QTest::newRow("bedroom back") << 9 << u"retro"_s << 8 << u"Dentro2.jpg"_s << QString()
                                      << QStringList{u"Estás en el comedor"_s};
    }

    void grafo()
    {
        QFETCH(int, desde);
        QFETCH(QString, orden);
        QFETCH(int, hasta);
        QFETCH(QString, image3);
        QFETCH(QString, image2);
        QFETCH(QStringList, lineas);

        Partida partida{Lugar(desde)};
        partida.ventana.image2 = u"antes.jpg";
        const QStringList lista = partida.Orden(orden);

        QCOMPARE(partida.juego.estado, (GameState{.lugar = qint16(hasta)}));
        QCOMPARE(DeJuego(partida.ventana.image3), image3);
        QCOMPARE(partida.ventana.personajeVisible, !image2.isEmpty());
        // A hidden picture keeps whatever it showed.
        QCOMPARE(DeJuego(partida.ventana.image2), image2.isEmpty() ? u"antes.jpg"_s : image2);
        QCOMPARE(lista, lineas);
        QCOMPARE(DeJuego(partida.ventana.ordenes), QString());
    }

    // The way back from the second kitchen is a short exchange with Fray Supremus.
    void vueltaALaCocina()
    {
        Partida partida(SegundaCocina, u"supremusPinchado=1"_s);
        const QStringList lista = partida.Orden(u"retro"_s);

        QCOMPARE(partida.juego.estado.lugar, Cocina);
        QCOMPARE(DeJuego(partida.ventana.image3), u"dentro1.jpg"_s);
        QCOMPARE(DeJuego(partida.ventana.image2), u"supremus.jpg"_s);
        QVERIFY(partida.ventana.personajeVisible);
        QCOMPARE(lista.size(), 2);
        QVERIFY(lista[0].startsWith(u"FRAY SUPREMUS: "_s));
        QVERIFY(lista[1].startsWith(u"TALPÍN: "_s));
    }

    void sinSalida_data()
    {
        QTest::addColumn<int>("lugar");
        QTest::addColumn<QString>("orden");
        QTest::newRow("street has no way back") << 1 << u"RETRO"_s;
        QTest::newRow("washroom has no door") << 7 << u"USAR PUERTA"_s;
        QTest::newRow("gate has no way on") << 5 << u"USAR PUERTA"_s;
    }

    void sinSalida()
    {
        QFETCH(int, lugar);
        QFETCH(QString, orden);
        Partida partida{Lugar(lugar)};
        QCOMPARE(partida.Orden(orden), QStringList{u"Intenta expresarte de otra manera ..."_s});
        QCOMPARE(partida.juego.estado.lugar, lugar);
        QCOMPARE(DeJuego(partida.ventana.ordenes), QString());
    }
};

QTEST_GUILESS_MAIN(TestMovimiento)
#include "test_movimiento.moc"
