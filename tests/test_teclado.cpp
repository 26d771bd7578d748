// The windows played from the keyboard alone: Enter on buttons, Tab to
// the pictures, and the history of orders in the command box.
#include "ventanas_prueba.h"

#include "screens/final.h"
#include "screens/sobre_autor.h"
#include "presentacion/historial.h"

#include <QAction>

using namespace Qt::Literals::StringLiterals;

class TestTeclado : public QObject {
    Q_OBJECT

    // Focuses the control as Tab would, in its active window.
    static void Enfocar(QWidget* control)
    {
        control->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(control->window()));
        control->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), control);
    }

private slots:
    void historyKeepsOrdersSentWithEnter()
    {
        Programas run;
        Primero* juego = run.Jugar();
        auto* ordenes = Hijo<QLineEdit>(juego, u"ordenes"_s);
        Enfocar(ordenes);

        Escribir(juego, u"mirar puerta"_s);
        const QStringList puerta = Lista(juego);
        Escribir(juego, u"mirar puerta"_s);
        Escribir(juego, u"coger astilla"_s);
        // Orders built and run by clicks are no orders sent.
        Pulsar(juego, u"Image5"_s);
        Pulsar(juego, u"Image2"_s);
        QCOMPARE(ordenes->text(), QString());

        Teclear(Qt::Key_Up);
        QCOMPARE(ordenes->text(), u"coger astilla"_s);
        QCOMPARE(ordenes->cursorPosition(), ordenes->text().size());
        Teclear(Qt::Key_Up);
        QCOMPARE(ordenes->text(), u"mirar puerta"_s);
        // The oldest stays; the repeated order was kept once.
        Teclear(Qt::Key_Up);
        QCOMPARE(ordenes->text(), u"mirar puerta"_s);
        Teclear(Qt::Key_Down);
        QCOMPARE(ordenes->text(), u"coger astilla"_s);
        Teclear(Qt::Key_Down);
        QCOMPARE(ordenes->text(), QString());
        QTest::keyClicks(ordenes, u"usar"_s);
        Teclear(Qt::Key_Down);
        QCOMPARE(ordenes->text(), u"usar"_s);

        // A recalled order is sent like a typed one, and runs.
        ordenes->clear();
        Teclear(Qt::Key_Up);
        Teclear(Qt::Key_Up);
        Teclear(Qt::Key_Return);
        QCOMPARE(Lista(juego), puerta);
        Teclear(Qt::Key_Up);
        QCOMPARE(ordenes->text(), u"mirar puerta"_s);
    }

    void historyForgetsBeyondItsCapacity()
    {
        Historial historial;
        QVERIFY(!historial.Anterior());
        QVERIFY(!historial.Siguiente());
        historial.Anotar(std::u16string());
        historial.Anotar(u"   ");
        QVERIFY(!historial.Anterior());

        const auto orden = [](int i) { return u"orden %1"_s.arg(i).toStdU16String(); };
        const int enviadas = Historial::capacidad + 20;
        for (int i = 0; i < enviadas; ++i)
            historial.Anotar(orden(i));
        std::vector<std::u16string> recordadas;
        while (const std::optional<std::u16string> recordada = historial.Anterior())
            recordadas.push_back(*recordada);
        QCOMPARE(recordadas.size(), Historial::capacidad);
        QVERIFY(recordadas.front() == orden(enviadas - 1));
        QVERIFY(recordadas.back() == orden(enviadas - int(Historial::capacidad)));

        // Sending an order starts again from the newest.
        historial.Anotar(u"otra");
        QVERIFY(historial.Anterior() == u"otra");
    }

    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modificadores");
        QTest::addColumn<int>("tecla");
        QTest::newRow("Enter") << Qt::KeyboardModifiers() << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << Qt::KeyboardModifiers(Qt::KeypadModifier) << int(Qt::Key_Enter);
    }

    void enterPressesTheFocusedButton()
    {
        QFETCH(Qt::KeyboardModifiers, modificadores);
        QFETCH(int, tecla);
        const auto intro = [&] { Teclear(Qt::Key(tecla), modificadores); };
        Programas run;

        // The title window opens with "Juego" focused.
        QVERIFY(QTest::qWaitForWindowActive(run.Titulo()));
        QCOMPARE(QApplication::focusWidget()->objectName(), u"Command1"_s);
        intro();
        Primero* juego = run.programa->VentanaJuego();
        QVERIFY(juego && juego->isVisible());

        Enfocar(Hijo(juego, u"Salidas"_s));
        intro();
        QCOMPARE(Lista(juego).size(), 1);
        Enfocar(Hijo(juego, u"limpiar"_s));
        intro();
        QCOMPARE(Lista(juego), QStringList());

        Enfocar(Hijo(juego, u"salir"_s));
        intro();
        QVERIFY(!juego->isVisible());
        QVERIFY(run.Titulo()->isVisible());

        run.Titulo()->findChild<QAction*>(u"autor"_s)->trigger();
        SobreAutor* autor = run.programa->VentanaAutor();
        Enfocar(Hijo(autor, u"Command1"_s));
        intro();
        QVERIFY(!autor->isVisible());

        run.Jugar()->MostrarFinal();
        Enfocar(Hijo(run.programa->VentanaFinal(), u"Command1"_s));
        QCOMPARE(run.fin.count(), 0);
        intro();
        QCOMPARE(run.fin.count(), 1);
    }

    void tabReachesThePicturesAndTheKeysPressThem()
    {
        Programas run;
        Primero* juego = run.Jugar();
        auto* ordenes = Hijo<QLineEdit>(juego, u"ordenes"_s);
        Enfocar(Hijo(juego, u"Cargar"_s));

        // Each verb picture, Tab after Tab, pressed by Space or Enter.
        const Qt::Key teclas[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Space, Qt::Key_Enter, Qt::Key_Space};
        QStringList escritos;
        for (Qt::Key tecla : teclas) {
            Teclear(Qt::Key_Tab);
            Teclear(tecla);
            escritos << ordenes->text();
            QCOMPARE(ordenes->cursorPosition(), 0);
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), u"Image8"_s);
        QCOMPARE(escritos, (QStringList{u"Hablar "_s, u"Mirar "_s, u"Usar "_s, u"Mentir "_s, u"coger "_s}));

        Teclear(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), u"Image3"_s);
        Teclear(Qt::Key_Space);
        QVERIFY(Lista(juego).front().startsWith(u"Estoy en la casa de Fray Supremus."_s));

        // The character completes the verb, as two clicks do.
        for (int i = 0; i < 4; ++i)
            Teclear(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), u"Image5"_s);
        Teclear(Qt::Key_Space);
        for (int i = 0; i < 5; ++i)
            Teclear(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), u"Image2"_s);
        Teclear(Qt::Key_Return);
        QCOMPARE(Lista(juego), QStringList{u"Joder, qué feo es el cabrón, y eso que no se le ve la cara ..."_s});
        QCOMPARE(ordenes->text(), QString());
        QCOMPARE(QApplication::focusWidget()->objectName(), u"Image2"_s);

        // Where nobody stands, Tab passes the hidden character by.
        juego->juego.estado.lugar = Garaje;
        juego->juego.MostrarFotosDelLugar();
        QVERIFY(!Hijo(juego, u"Image2"_s)->isVisible());
        Enfocar(Hijo(juego, u"Image3"_s));
        Teclear(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), u"List1"_s);
    }
};

QTEST_MAIN(TestTeclado)
#include "test_teclado.moc"
