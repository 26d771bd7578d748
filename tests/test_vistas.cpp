#include "partida_prueba.h"

using namespace Qt::Literals::StringLiterals;

class TestVistas : public QObject {
    Q_OBJECT

private slots:
    void descripcionYSalidas()
    {
        Partida partida(Cocina);
        auto& [ventana, fichero, juego] = partida;
        ventana.ordenes = u"coger hierro";
        juego.Pulsar(Mando::Lugar);
        juego.Pulsar(Mando::Lugar);
        QCOMPARE(DeJuego(ventana.lista).size(), 2);
        QCOMPARE(DeJuego(ventana.lista)[1], u"atención, el expositor de especias. "_s);
        QCOMPARE(DeJuego(ventana.ordenes), QString());
        QCOMPARE(juego.estado, (GameState{.lugar = Cocina}));

        ventana.ordenes = u"Mirar ";
        juego.Pulsar(Mando::Salidas);
        QCOMPARE(DeJuego(ventana.lista), QStringList{u"Hay puerta a la izquierda, para retroceder, escribe RETRO."_s});
        QCOMPARE(DeJuego(ventana.ordenes), QString());

        // Every place has a description and one exit line; the street's
        // never mentions the garage.
        for (qint16 lugar = Calle; lugar <= Dormitorio; ++lugar) {
            juego.estado.lugar = lugar;
            juego.Pulsar(Mando::Lugar);
            QVERIFY(!ventana.lista.empty());
            juego.Pulsar(Mando::Salidas);
            QCOMPARE(DeJuego(ventana.lista).size(), 1);
        }
        juego.estado = GameState{.lugar = Calle, .hierro = 1};
        juego.Pulsar(Mando::Salidas);
        QVERIFY(DeJuego(ventana.lista)[0].endsWith(u" ..."_s));
        QVERIFY(!DeJuego(ventana.lista)[0].contains(u"garaje"_s, Qt::CaseInsensitive));
    }

    // A damaged saved game can leave us nowhere; the views then say nothing.
    void fueraDeLaCasa()
    {
        Partida partida(GameState{.lugar = 12});
        auto& [ventana, fichero, juego] = partida;
        ventana.lista = {u"antes"};
        ventana.ordenes = u"algo";
        juego.Pulsar(Mando::Lugar);
        juego.Pulsar(Mando::Salidas);
        juego.Pulsar(Mando::Personaje);
        ventana.ordenes = u"mirar pozo";
        juego.Pulsar(Mando::Intro);
        QCOMPARE(DeJuego(ventana.lista), QStringList{u"antes"_s});
        QCOMPARE(DeJuego(ventana.ordenes), u"mirar pozo"_s);
    }

    void objetos_data()
    {
        QTest::addColumn<GameState>("estado");
        QTest::addColumn<QStringList>("lineas");

        QTest::newRow("nothing") << GameState{.lugar = 1} << QStringList{};
        QTest::newRow("spicy splinter hides the plain one")
            << GameState{.astilla = 1, .cayena = 1, .astillaPicante = 1}
            << QStringList{u"- Un bote de cayena molida"_s, u"- Una astilla grande y picante"_s};
        QTest::newRow("hot box hides the cold one")
            << GameState{.hierro = 1, .guantes = 1, .condones = 1, .condonesCalientes = 1}
            << QStringList{u"- Un hierro"_s, u"- Un paquete de guantes de latex"_s,
                           u"- Una caja de condones caliente"_s};
        QTest::newRow("cold box") << GameState{.astilla = 1, .condones = 1}
                                  << QStringList{u"- Una astilla grande"_s, u"- Una caja de condones sin usar"_s};
        QTest::newRow("phone and number") << GameState{.movil = 1, .numeroPozo = 1}
                                          << QStringList{u"- Un teléfono móvil, y un número"_s};
        QTest::newRow("phone after the call") << GameState{.movil = 1, .numeroPozo = 2}
                                              << QStringList{u"- Un teléfono móvil"_s};
        QTest::newRow("soap and serum")
            << GameState{.jabon = 1, .ingredientes = 3, .receta = 1, .manzana = 1, .salfuman = 1}
            << QStringList{u"- Jabón líquido"_s, u"- Recipiente del jabón con suero de la verdad."_s,
                           u"- Receta"_s, u"- Una manzana podrida"_s, u"- Una botella de salfumán"_s};
        QTest::newRow("empty container") << GameState{.jabon = 2, .ingredientes = 4, .manzana = 2, .salfuman = 2}
                                         << QStringList{u"- Recipiente del jabón vacío"_s};
    }

    void objetos()
    {
        QFETCH(GameState, estado);
        QFETCH(QStringList, lineas);
        Partida partida(estado);
        auto& [ventana, fichero, juego] = partida;
        ventana.ordenes = u"usar puerta";
        juego.Pulsar(Mando::Objetos);
        QCOMPARE(DeJuego(ventana.lista), QStringList{u"OBJETOS:"_s} + lineas);
        QCOMPARE(DeJuego(ventana.ordenes), QString());
        QCOMPARE(juego.estado, estado);
    }

    void verbos()
    {
        Partida partida;
        auto& [ventana, fichero, juego] = partida;
        ventana.ordenes = u"usar puerta";
        ventana.cursor = 11;
        juego.Pulsar(Mando::Mirar);
        juego.Pulsar(Mando::Usar);
        QCOMPARE(DeJuego(ventana.ordenes), u"Usar "_s);
        QCOMPARE(ventana.cursor, 0);
        juego.Pulsar(Mando::Coger);
        QCOMPARE(DeJuego(ventana.ordenes), u"coger "_s);
        juego.Pulsar(Mando::Limpiar);
        QVERIFY(ventana.lista.empty());
        QCOMPARE(DeJuego(ventana.ordenes), QString());
    }

    // Verb picture, then character: the name goes in front of the verb and
    // three known orders run at once, as if typed.
    void personaje_data()
    {
        QTest::addColumn<int>("lugar");
        QTest::addColumn<Mando>("verbo");
        QTest::addColumn<QString>("orden");
        QTest::newRow("look at Cabronus") << 1 << Mando::Mirar << u"MIRAR FRAY CABRONUS"_s;
        QTest::newRow("talk to Cabronus") << 1 << Mando::Hablar << u"HABLAR FRAY CABRONUS"_s;
        QTest::newRow("lie to Cabronus") << 1 << Mando::Mentir << u"MENTIR FRAY CABRONUS"_s;
        QTest::newRow("talk to Supremus") << 2 << Mando::Hablar << u"HABLAR FRAY SUPREMUS"_s;
        QTest::newRow("look at Supremus") << 2 << Mando::Mirar << u"MIRAR FRAY SUPREMUS"_s;
        QTest::newRow("lie to the stranger") << 6 << Mando::Mentir << u"MENTIR EXTRAÑO"_s;
        QTest::newRow("look at the stranger") << 6 << Mando::Mirar << u"MIRAR EXTRAÑO"_s;
    }

    void personaje()
    {
        QFETCH(int, lugar);
        QFETCH(Mando, verbo);
        QFETCH(QString, orden);
        Partida pulsada{Lugar(lugar)};
        pulsada.juego.Pulsar(verbo);
        pulsada.juego.Pulsar(Mando::Personaje);
        QVERIFY(!pulsada.ventana.lista.empty());
        QCOMPARE(DeJuego(pulsada.ventana.lista), Partida(Lugar(lugar)).Orden(orden));
        QCOMPARE(DeJuego(pulsada.ventana.ordenes), QString());
    }

    void personajeSinOrden()
    {
        Partida partida(Calle);
        auto& [ventana, fichero, juego] = partida;
        juego.Pulsar(Mando::Personaje);
        QCOMPARE(DeJuego(ventana.ordenes), u"Fray Cabronus "_s);
        juego.Pulsar(Mando::Personaje);
        QCOMPARE(DeJuego(ventana.ordenes), u"Fray Cabronus Fray Cabronus "_s);

        juego.estado.lugar = Patio;
        juego.Pulsar(Mando::Coger);
        juego.Pulsar(Mando::Personaje);
        QCOMPARE(DeJuego(ventana.ordenes), u"Extraño coger "_s);
        QVERIFY(ventana.lista.empty());

        // Typed with the caret at the end: the name goes after it and the
        // order waits for Enter.
        juego.estado.lugar = Cocina;
        ventana.ordenes = u"mirar ";
        ventana.cursor = 6;
        juego.Pulsar(Mando::Personaje);
        QCOMPARE(DeJuego(ventana.ordenes), u"mirar Fray Supremus "_s);
        QVERIFY(ventana.lista.empty());

        juego.estado.lugar = Garaje;
        juego.Pulsar(Mando::Personaje);
        QCOMPARE(DeJuego(ventana.ordenes), u"mirar Fray Supremus "_s);
    }
};

QTEST_GUILESS_MAIN(TestVistas)
#include "test_vistas.moc"
