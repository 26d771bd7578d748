#include "partida_prueba.h"

using namespace Qt::Literals::StringLiterals;

// The street, the first kitchen, the garage, the gate, the second kitchen and
// the yard.
class TestMundo : public QObject {
    Q_OBJECT

private slots:
    // Answers given word for word, and exactly the fields they change.
    void respuestas_data()
    {
        QTest::addColumn<int>("lugar");
        QTest::addColumn<QString>("antes");
        QTest::addColumn<QString>("orden");
        QTest::addColumn<QString>("despues");
        QTest::addColumn<QStringList>("lineas");

        const QStringList ein = {u"¡¿Ein?!, expresate de otra manera ..."_s};
        const QStringList noGasto = {u"No gasto de eso"_s};
        const QStringList queDices = {u"¿¿Que dices??"_s};
        const QStringList abrir = {
            u"'ABRIR' no está en la lista de verbos que tienes que usar, limítate a usar los verbos de abajo."_s};

        QTest::newRow("cold box, without it") << 1 << u""_s << u"usar condones fray cabronus"_s << u""_s << ein;
        QTest::newRow("cold box, with it") << 1 << u"condones=1"_s << u"usar condones fray cabronus"_s << u""_s
                                           << ein;
        QTest::newRow("box neither cold nor hot") << 1 << u"condones=1 condonesCalientes=2"_s
                                                  << u"usar condones fray cabronus"_s << u""_s << QStringList();
        QTest::newRow("take the splinter twice") << 1 << u"astilla=1"_s << u"coger astilla"_s << u""_s
                                                 << QStringList{u"He cogido la astilla"_s};
        QTest::newRow("take the splinter") << 1 << u""_s << u"Coger la astilla"_s << u"astilla=1"_s
                                           << QStringList{u"He cogido la astilla"_s};
        QTest::newRow("blind with the splinter") << 1 << u""_s << u"mirar persiana"_s << u""_s
                                                 << QStringList{u"Hay una pequeña astilla se sobresale"_s};
        QTest::newRow("splinter not taken") << 1 << u""_s << u"mirar astilla"_s << u""_s
                                            << QStringList{u"¡Tendré que cogerla para poder verla bién!"_s};
        QTest::newRow("splinter, anywhere") << 9 << u"astilla=1"_s << u"mirar astilla"_s << u""_s
                                            << QStringList{u"Es una astilla, que sobresale de la persiana, es muy grande ..."_s};
        QTest::newRow("garage looked at after it is open") << 1 << u"hierro=1"_s << u"mirar garaje"_s << u""_s
                                                           << QStringList{u"Entraría, si estubiera abierto, pero no lo está."_s};
        QTest::newRow("garage without the bar")
            << 1 << u""_s << u"usar garaje"_s << u""_s
            << QStringList{u"Parece que está bién cerrado, habría que pedirle las llaves a Fray Supremus. De todas maneras, no creo que me"_s,
                           u"las deje."_s};
        QTest::newRow("abrir in the street") << 1 << u""_s << u"abrir garaje"_s << u""_s << abrir;
        QTest::newRow("abrir in the kitchen") << 2 << u""_s << u"abrir puerta"_s << u""_s << abrir;

        QTest::newRow("prick without the splinter")
            << 2 << u""_s << u"usar astilla fray supremus"_s << u""_s
            << QStringList{u"¿No crees que necesitaría la astilla?"_s};
        QTest::newRow("door while he is there")
            << 2 << u""_s << u"usar puerta"_s << u""_s
            << QStringList{u"Mientras él esté aquí delante, no me dejará dotorear en su casa ..."_s};
        QTest::newRow("fireplace with the bar") << 2 << u""_s << u"mirar chimenea"_s << u""_s
                                                << QStringList{u"Hay un hierro ahí dentro ..."_s};
        QTest::newRow("take the bar") << 2 << u""_s << u"coger hierro"_s << u"hierro=1"_s
                                      << QStringList{u"He cogido el hierro"_s};
        QTest::newRow("spices without the cayenne taken")
            << 2 << u""_s << u"mirar especias"_s << u""_s
            << QStringList{u"Las hay de tres clases: Pimienta negra molida, anís en grano y cayena molida"_s};
        QTest::newRow("spices, cayenne taken")
            << 2 << u"cayena=1"_s << u"mirar expositor"_s << u""_s
            << QStringList{u"Sólo hay de pimienta negra molida y anís en grano, no creo que las necesite"_s};
        QTest::newRow("cupboard after the gloves") << 2 << u"guantes=1"_s << u"mirar armario"_s << u""_s
                                                   << QStringList{u"¡Guau!, unos guantes de latex, siempre me gustaron ..."_s};
        QTest::newRow("gloves not taken, elsewhere") << 5 << u""_s << u"mirar guantes"_s << u""_s << noGasto;
        QTest::newRow("bar not taken, elsewhere") << 6 << u""_s << u"mirar hierro"_s << u""_s << noGasto;
        QTest::newRow("rub in the street") << 1 << u"astilla=1 cayena=1"_s << u"usar cayena astilla"_s
                                           << u"astillaPicante=1"_s
                                           << QStringList{u"Ahora, la astilla tiene un toque de picante ..."_s};
        QTest::newRow("rub without the cayenne") << 3 << u"astilla=1"_s << u"usar astilla cayena"_s << u""_s
                                                 << queDices;
        QTest::newRow("rub without the splinter") << 6 << u"cayena=1"_s << u"usar astilla cayena"_s << u""_s
                                                  << queDices;

        QTest::newRow("sand refused with the gloves") << 3 << u"guantes=1"_s << u"coger arena"_s << u""_s
                                                      << QStringList{u"¡No quiero mancharme las manos de arena!"_s};
        QTest::newRow("dig without the gloves") << 3 << u""_s << u"usar arena"_s << u""_s
                                                << QStringList{u"¡No quiero manchar mis manos de terciopelo!"_s};
        QTest::newRow("box without the gloves") << 3 << u""_s << u"coger condones"_s << u""_s
                                                << QStringList{u"¿¿Qué coja qué, dónde está eso??"_s};
        QTest::newRow("box with the gloves, no digging")
            << 3 << u"guantes=1"_s << u"coger condones"_s << u"condones=1"_s
            << QStringList{u"Usaré los guantes, para no mancharme las manos ... O.K. ya tengo los condones"_s};
        QTest::newRow("box not taken") << 4 << u""_s << u"mirar condones"_s << u""_s
                                       << QStringList{u"¡Tendría que tenerlo, para poder verlo!, ¿no?"_s};
        QTest::newRow("gate from the garage") << 5 << u""_s << u"usar verja"_s << u""_s
                                              << QStringList{u"Me gustaría abrirla, pero está cerrado con llave"_s};
        QTest::newRow("gate from the yard") << 6 << u""_s << u"usar verja"_s << u""_s
                                            << QStringList{u"Está cerrada con llave"_s};
        QTest::newRow("look through the gate from the yard") << 6 << u""_s << u"mirar verja"_s << u""_s
                                                             << QStringList{u"al otro lado, está el garaje ..."_s};

        QTest::newRow("heat without the box") << 4 << u""_s << u"usar microondas condones"_s << u""_s
                                              << QStringList{u"¡No tengo ninguna caja de condones!"_s};
        QTest::newRow("heat the box") << 4 << u"condones=1"_s << u"usar condones microondas"_s
                                      << u"condonesCalientes=1"_s
                                      << QStringList{u"Ahora la caja de condones está caliente"_s};
        QTest::newRow("heat a box neither had nor not") << 4 << u"condones=2"_s << u"usar condones microondas"_s
                                                        << u""_s << QStringList();
        QTest::newRow("a new apple after the jug") << 6 << u"manzana=2"_s << u"coger saco"_s << u"manzana=1"_s
                                                   << QStringList{u"¡Una manzana podrida!, la cogeré ..."_s};
        QTest::newRow("apple not taken") << 1 << u""_s << u"mirar manzana"_s << u""_s << noGasto;
        QTest::newRow("apple in the jug") << 1 << u"manzana=2"_s << u"mirar manzana"_s << u""_s << QStringList();
    }

    void respuestas()
    {
        QFETCH(int, lugar);
        QFETCH(QString, antes);
        QFETCH(QString, orden);
        QFETCH(QString, despues);
        QFETCH(QStringList, lineas);

        Partida partida(Lugar(lugar), antes);
        GameState esperado = partida.juego.estado;
        Partida::Poner(esperado, despues);

        QCOMPARE(partida.Orden(orden), lineas);
        QCOMPARE(DeJuego(partida.ventana.ordenes), QString());
        QVERIFY(partida.juego.estado == esperado);
    }

    // Dialogues keep their speakers, their length and their order.
    void dialogos_data()
    {
        QTest::addColumn<int>("lugar");
        QTest::addColumn<QString>("antes");
        QTest::addColumn<QString>("orden");
        QTest::addColumn<QStringList>("etiquetas");

        const QString t = u"TALPÍN: "_s;
        const QString c = u"CABRONUS: "_s;
        const QString fc = u"FRAY CABRONUS: "_s;
        const QString fs = u"FRAY SUPREMUS: "_s;
        const QString e = u"EXTRAÑO: "_s;

        QTest::newRow("talk to Cabronus") << 1 << u""_s << u"hablar fray cabronus"_s
                                          << QStringList{t, c, t, c, t, c, u"TALPÍN:"_s};
        QTest::newRow("lie to Cabronus") << 1 << u""_s << u"mentir fray cabronus"_s << QStringList{t, c, t};
        QTest::newRow("burn") << 1 << u"condones=1 condonesCalientes=1"_s << u"usar condones fray cabronus"_s
                              << QStringList{t, fc, t, fc, t, fc, t, fc, t, fc};
        QTest::newRow("talk to Supremus") << 2 << u""_s << u"hablar fray supremus"_s
                                          << QStringList{t, fs, t, fs, t, fs, t};
        QTest::newRow("lie to Supremus") << 2 << u""_s << u"mentir fray supremus"_s
                                         << QStringList{t, fs, t, fs, t};
        QTest::newRow("plain splinter") << 2 << u"astilla=1"_s << u"usar astilla fray supremus"_s
                                        << QStringList{fs, t};
        QTest::newRow("spicy splinter") << 2 << u"astilla=1 astillaPicante=1"_s << u"usar astilla fray supremus"_s
                                        << QStringList{fs, t, fs, t, u"FRAY SUPREMIS: "_s, t};
        QTest::newRow("spicy, already gone") << 2 << u"astilla=1 astillaPicante=1 supremusPinchado=1"_s
                                             << u"usar astilla fray supremus"_s
                                             << QStringList{fs, t, fs, t, u"FRAY SUPREMIS: "_s, t};
        QTest::newRow("well") << 6 << u"numeroPozo=2"_s << u"mirar pozo"_s << QStringList{t, e, t};
        QTest::newRow("lie to the stranger") << 6 << u""_s << u"mentir extraño"_s << QStringList{t, e, t};
        QTest::newRow("talk to the stranger") << 6 << u""_s << u"hablar extraño"_s
                                              << QStringList{t, e, t, e, t, e, t, e, t, e, t, e};
    }

    void dialogos()
    {
        QFETCH(int, lugar);
        QFETCH(QString, antes);
        QFETCH(QString, orden);
        QFETCH(QStringList, etiquetas);

        Partida partida(Lugar(lugar), antes);
        ComprobarEtiquetas(partida.Orden(orden), etiquetas);
        QCOMPARE(DeJuego(partida.ventana.ordenes), QString());
    }

    void laQuemaduraDaElMovilCadaVez()
    {
        Partida partida(Calle, u"condones=1 condonesCalientes=1"_s);
        const QStringList escena = partida.Orden(u"usar condones fray cabronus"_s);
        QCOMPARE(partida.juego.estado.movil, 1);
        QCOMPARE(partida.Orden(u"usar condones fray cabronus"_s), escena);
        QCOMPARE(partida.juego.estado.movil, 1);
        QCOMPARE(partida.juego.estado.condones, 1);
    }

    void elHierroAbreElGaraje()
    {
        Partida partida(Calle, u"hierro=1"_s);
        QCOMPARE(partida.Orden(u"usar garaje"_s),
                 QStringList{u"Con el hierro que cogiste de la chimenea, rompes el candado, y entras al garaje"_s});
        QCOMPARE(partida.juego.estado.lugar, Garaje);
        QCOMPARE(DeJuego(partida.ventana.image3), u"garaje.jpg"_s);
        QVERIFY(!partida.ventana.personajeVisible);
        QCOMPARE(DeJuego(partida.ventana.ordenes), QString());
    }

    void fraySupremusSeVaSoloConLaAstillaPicante()
    {
        Partida partida(Cocina, u"astilla=1"_s);
        partida.Orden(u"usar astilla fray supremus"_s);
        QCOMPARE(partida.juego.estado.supremusPinchado, 0);
        QVERIFY(partida.ventana.personajeVisible);

        partida.juego.estado.astillaPicante = 1;
        partida.Orden(u"usar astilla fray supremus"_s);
        QCOMPARE(partida.juego.estado.supremusPinchado, 1);
        QVERIFY(!partida.ventana.personajeVisible);

        const QStringList lineas = partida.Orden(u"usar puerta"_s);
        QCOMPARE(lineas.size(), 1);
        QVERIFY(!lineas[0].contains(u':'));
        QCOMPARE(partida.juego.estado.lugar, SegundaCocina);
        QCOMPARE(DeJuego(partida.ventana.image3), u"Casa.jpg"_s);
        QVERIFY(!partida.ventana.personajeVisible);
    }

    // Each look changes its answer once the object is carried, and changes
    // nothing itself.
    void miradasConElObjeto_data()
    {
        QTest::addColumn<int>("lugar");
        QTest::addColumn<QString>("orden");
        QTest::addColumn<QString>("campo");

        QTest::newRow("blind") << 1 << u"mirar persiana"_s << u"astilla=1"_s;
        QTest::newRow("fireplace") << 2 << u"mirar chimenea"_s << u"hierro=1"_s;
        QTest::newRow("bar") << 4 << u"mirar hierro"_s << u"hierro=1"_s;
        QTest::newRow("cayenne") << 1 << u"mirar cayena"_s << u"cayena=1"_s;
        QTest::newRow("gloves") << 3 << u"mirar guantes"_s << u"guantes=1"_s;
        QTest::newRow("dig") << 3 << u"usar arena"_s << u"guantes=1"_s;
        QTest::newRow("box") << 8 << u"mirar condones"_s << u"condones=1"_s;
        QTest::newRow("apple") << 7 << u"mirar manzana"_s << u"manzana=1"_s;
    }

    void miradasConElObjeto()
    {
        QFETCH(int, lugar);
        QFETCH(QString, orden);
        QFETCH(QString, campo);

        Partida sin{Lugar(lugar)};
        Partida con(Lugar(lugar), campo);
        const GameState estado = con.juego.estado;
        const QStringList antes = sin.Orden(orden);
        const QStringList despues = con.Orden(orden);
        QCOMPARE(despues.size(), 1);
        QVERIFY(despues != antes);
        QVERIFY(con.juego.estado == estado);
    }

    void elExtranoNombraAlEstudio()
    {
        Partida partida(Patio);
        const QStringList lineas = partida.Orden(u"hablar extraño"_s);
        QVERIFY(lineas.size() == 12);
        QVERIFY(lineas[3].contains(u"Trombulix Juegos"_s));
        QVERIFY(lineas[5].contains(u"Trombulix Juegos"_s));
    }
};

QTEST_APPLESS_MAIN(TestMundo)
#include "test_mundo.moc"
