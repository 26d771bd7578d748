// Every key, button and picture click of the game window, each judged by
// what it does to the list, the command box and the game: the same as the
// typed order or the view it stands for.
#include "partida_prueba.h"
#include "ventanas_prueba.h"

#include <QLineEdit>

using namespace Qt::Literals::StringLiterals;

namespace {

// A game window shown for the first time: its game starts in the street.
struct VentanaDeJuego {
    Primero juego;
    QLineEdit* ordenes = Hijo<QLineEdit>(&juego, u"ordenes"_s);

    VentanaDeJuego() { juego.show(); }

    const GameState& Estado() const { return juego.juego.estado; }
};

} // namespace

class TestEntradas : public QObject {
    Q_OBJECT

private slots:
    // Enter and keypad Enter run the order. The key decides, not the
    // character it brings: a Mac's keypad Enter brings ETX, not CR.
    void intro_data()
    {
        QTest::addColumn<Qt::Key>("tecla");
        QTest::addColumn<Qt::KeyboardModifiers>("modificadores");
        QTest::addColumn<QString>("texto");
        QTest::newRow("Enter") << Qt::Key_Return << Qt::KeyboardModifiers() << u"\r"_s;
        QTest::newRow("keypad Enter") << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier) << u"\r"_s;
        QTest::newRow("keypad Enter, Mac") << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                           << u"\x03"_s;
    }

    void intro()
    {
        QFETCH(Qt::Key, tecla);
        QFETCH(Qt::KeyboardModifiers, modificadores);
        QFETCH(QString, texto);
        VentanaDeJuego ventana;
        QTest::keyClicks(ventana.ordenes, u"usar puerta"_s);
        QTest::sendKeyEvent(QTest::Click, ventana.ordenes, tecla, texto, modificadores);

        Partida tecleada(Calle);
        QCOMPARE(Lista(&ventana.juego), tecleada.Orden(u"usar puerta"_s));
        QCOMPARE(ventana.Estado(), tecleada.juego.estado);
        QCOMPARE(ventana.ordenes->text(), QString());
    }

    // A verb picture replaces what was typed; the player then ends the order.
    void verbos_data()
    {
        QTest::addColumn<QString>("foto");
        QTest::addColumn<QString>("resto");
        QTest::addColumn<QString>("orden");
        QTest::newRow("HABLAR") << u"Image4"_s << u"fray cabronus"_s << u"hablar fray cabronus"_s;
        QTest::newRow("MIRAR") << u"Image5"_s << u"ventana"_s << u"mirar ventana"_s;
        QTest::newRow("USAR") << u"Image6"_s << u"ventana"_s << u"usar ventana"_s;
        QTest::newRow("MENTIR") << u"Image7"_s << u"fray cabronus"_s << u"mentir fray cabronus"_s;
        QTest::newRow("COGER") << u"Image8"_s << u"astilla"_s << u"coger astilla"_s;
    }

    void verbos()
    {
        QFETCH(QString, foto);
        QFETCH(QString, resto);
        QFETCH(QString, orden);
        VentanaDeJuego ventana;
        QTest::keyClicks(ventana.ordenes, u"usar puerta"_s);
        Pulsar(&ventana.juego, foto);
        QTest::keyClick(ventana.ordenes, Qt::Key_End);
        QTest::keyClicks(ventana.ordenes, u' ' + resto);
        QTest::keyClick(ventana.ordenes, Qt::Key_Return);

        Partida tecleada(Calle);
        QCOMPARE(Lista(&ventana.juego), tecleada.Orden(orden));
        QCOMPARE(ventana.Estado(), tecleada.juego.estado);
    }

    // The buttons and the place picture show their views of the game.
    void vistas_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<Mando>("vista");
        QTest::newRow("Objetos") << u"objetos"_s << Mando::Objetos;
        QTest::newRow("Salidas") << u"Salidas"_s << Mando::Salidas;
        QTest::newRow("Limpiar") << u"limpiar"_s << Mando::Limpiar;
        QTest::newRow("place picture") << u"Image3"_s << Mando::Lugar;
    }

    void vistas()
    {
        QFETCH(QString, control);
        QFETCH(Mando, vista);
        VentanaDeJuego ventana;
        QTest::keyClicks(ventana.ordenes, u"coger astilla"_s);
        QTest::keyClick(ventana.ordenes, Qt::Key_Return);
        QTest::keyClicks(ventana.ordenes, u"mirar"_s);

        Partida igual(ventana.Estado());
        for (const QString& linea : Lista(&ventana.juego))
            igual.ventana.lista.push_back(AlJuego(linea));
        igual.ventana.ordenes = AlJuego(ventana.ordenes->text());
        igual.juego.Pulsar(vista);

        Pulsar(&ventana.juego, control);
        QCOMPARE(Lista(&ventana.juego), DeJuego(igual.ventana.lista));
        QCOMPARE(ventana.ordenes->text(), DeJuego(igual.ventana.ordenes));
        QCOMPARE(ventana.Estado(), igual.juego.estado);
    }

    // Pressed on a picture and released off it, a click does nothing;
    // released on it, it counts.
    void soltarFuera_data()
    {
        QTest::addColumn<QString>("foto");
        for (int i = 2; i <= 8; ++i)
            QTest::newRow(qPrintable(u"Image%1"_s.arg(i))) << u"Image%1"_s.arg(i);
    }

    void soltarFuera()
    {
        QFETCH(QString, foto);
        VentanaDeJuego ventana;
        QTest::keyClicks(ventana.ordenes, u"algo"_s);
        const QStringList lista = Lista(&ventana.juego);
        const GameState estado = ventana.Estado();

        QWidget* control = Hijo(&ventana.juego, foto);
        QWindow* pantalla = ventana.juego.windowHandle();
        QTest::mousePress(pantalla, Qt::LeftButton, {}, control->mapTo(&ventana.juego, control->rect().center()));
        QTest::mouseRelease(pantalla, Qt::LeftButton, {}, control->mapTo(&ventana.juego, QPoint(-4, -4)));
        QCOMPARE(ventana.ordenes->text(), u"algo"_s);
        QCOMPARE(Lista(&ventana.juego), lista);
        QCOMPARE(ventana.Estado(), estado);

        Pulsar(&ventana.juego, foto);
        QVERIFY(ventana.ordenes->text() != u"algo"_s || Lista(&ventana.juego) != lista);
    }
};

QTEST_MAIN(TestEntradas)
#include "test_entradas.moc"
