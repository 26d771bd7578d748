#include "screens/final.h"
#include "screens/principal.h"
#include "screens/programa.h"
#include "screens/sobre_autor.h"
#include "ui/primero.h"
#include "ventanas_prueba.h"

#include "tuberia.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString apertura = u"Estás en la casa de Fray Supremus, también te acompaña Fray Cabronus."_s;

// A small JPEG whose header declares it `lado` pixels square: the decoder
// would fill the rest in grey.
QByteArray JpegQueDiceMedir(int lado)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImage(8, 8, QImage::Format_RGB32).save(&buffer, "JPEG");
    const qsizetype trama = bytes.indexOf("\xff\xc0");
    for (qsizetype en : {trama + 5, trama + 7}) {
        bytes[en] = char(lado >> 8);
        bytes[en + 1] = char(lado & 0xff);
    }
    return bytes;
}

} // namespace

class TestVentanas;
// One way of leaving the program.
using Salida = std::function<void(TestVentanas*)>;
Q_DECLARE_METATYPE(Salida)

class TestVentanas : public QObject {
    Q_OBJECT

    std::unique_ptr<Programa> programa;
    std::unique_ptr<QSignalSpy> fin;

    Principal* Titulo() { return programa->VentanaPrincipal(); }

    Primero* Jugar()
    {
        Pulsar(Titulo(), u"Command1"_s);
        return programa->VentanaJuego();
    }

    void Escribir(Primero* juego, const QString& orden)
    {
        auto* ordenes = Hijo<QLineEdit>(juego, u"ordenes"_s);
        QTest::keyClicks(ordenes, orden);
        QTest::keyClick(ordenes, Qt::Key_Return);
    }

private slots:
    void init()
    {
        programa = std::make_unique<Programa>();
        fin = std::make_unique<QSignalSpy>(programa.get(), &Programa::terminado);
        programa->Empezar();
    }

    void cleanup()
    {
        fin.reset();
        programa.reset();
    }

    void menuPrincipalKeepsTheGame()
    {
        QVERIFY(Titulo()->isVisible());
        QVERIFY(!programa->VentanaJuego());

        Primero* juego = Jugar();
        QVERIFY(juego->isVisible());
        QVERIFY(!Titulo()->isVisible());
        QCOMPARE(Lista(juego), QStringList{apertura});
        QCOMPARE(juego->focusWidget(), Hijo(juego, u"List1"_s));

        Escribir(juego, u"usar puerta"_s);
        QCOMPARE(juego->juego.estado.lugar, Cocina);
        const QStringList lineas = Lista(juego);
        QTest::keyClicks(Hijo(juego, u"ordenes"_s), u"mirar"_s);

        Pulsar(juego, u"salir"_s);
        QVERIFY(!juego->isVisible());
        QVERIFY(Titulo()->isVisible());

        QCOMPARE(Jugar(), juego);
        QVERIFY(juego->isVisible());
        QCOMPARE(juego->juego.estado.lugar, Cocina);
        QCOMPARE(Lista(juego), lineas);
        QVERIFY(juego->LeerOrdenes() == u"mirar");
        QCOMPARE(fin->count(), 0);
    }

    void tabGoesThroughTheControlsInOrder()
    {
        Primero* juego = Jugar();
        QVERIFY(QTest::qWaitForWindowActive(juego));
        QStringList orden{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 15; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            orden << QApplication::focusWidget()->objectName();
        }
        // The pictures come after the window's own order.
        QCOMPARE(orden, (QStringList{u"List1"_s, u"ordenes"_s, u"limpiar"_s, u"salir"_s, u"Salidas"_s,
                                     u"Guardar"_s, u"objetos"_s, u"Cargar"_s, u"Image4"_s, u"Image5"_s,
                                     u"Image6"_s, u"Image7"_s, u"Image8"_s, u"Image3"_s, u"Image2"_s,
                                     u"List1"_s}));
    }

    void ordersAreTypedAndAnswered()
    {
        Primero* juego = Jugar();
        Escribir(juego, u"retro"_s);
        QCOMPARE(Lista(juego), QStringList{u"Intenta expresarte de otra manera ..."_s});
        QVERIFY(juego->LeerOrdenes().empty());

        Pulsar(juego, u"Image3"_s);
        QCOMPARE(Lista(juego).size(), 2);
        QVERIFY(Lista(juego).front().startsWith(u"Estoy en la casa de Fray Supremus."_s));

        Pulsar(juego, u"limpiar"_s);
        QCOMPARE(Lista(juego), QStringList());
    }

    void verbsThenCharacter()
    {
        Primero* juego = Jugar();
        auto* ordenes = Hijo<QLineEdit>(juego, u"ordenes"_s);
        QWidget* foco = juego->focusWidget();
        QTest::keyClicks(ordenes, u"coger hierro"_s);

        Pulsar(juego, u"Image5"_s);
        Pulsar(juego, u"Image8"_s);
        QCOMPARE(ordenes->text(), u"coger "_s);
        QCOMPARE(ordenes->cursorPosition(), 0);
        QCOMPARE(juego->focusWidget(), foco);

        // The name goes in at the caret; USAR and COGER complete no order.
        Pulsar(juego, u"Image2"_s);
        QCOMPARE(ordenes->text(), u"Fray Cabronus coger "_s);
        QCOMPARE(ordenes->cursorPosition(), 14);
        QCOMPARE(Lista(juego), QStringList{apertura});

        // The name replaces a selection.
        ordenes->setSelection(0, 14);
        Pulsar(juego, u"Image2"_s);
        QCOMPARE(ordenes->text(), u"Fray Cabronus coger "_s);

        Pulsar(juego, u"Image5"_s);
        Pulsar(juego, u"Image2"_s);
        QCOMPARE(Lista(juego), QStringList{u"Joder, qué feo es el cabrón, y eso que no se le ve la cara ..."_s});
        QCOMPARE(ordenes->text(), QString());

        // A hidden picture takes no clicks.
        juego->MostrarPersonaje(false);
        Pulsar(juego, u"Image2"_s);
        QCOMPARE(ordenes->text(), QString());
    }

    void saveAndLoadThroughTheButtons()
    {
        const Carpeta carpeta;
        Primero* juego = Jugar();
        const QString fallo =
            u"No se puede cargar la partida porque no hay ninguna guardada o no se ha podido leer el fichero."_s;

        Pulsar(juego, u"Cargar"_s);
        QCOMPARE(Lista(juego), (QStringList{apertura, fallo}));

        Pulsar(juego, u"Guardar"_s);
        QCOMPARE(Lista(juego).back(), u"Partida guardada"_s);
        QVERIFY(QFile::exists(u"partida"_s));

        Escribir(juego, u"usar puerta"_s);
        QCOMPARE(juego->juego.estado.lugar, Cocina);
        QTest::keyClicks(Hijo(juego, u"ordenes"_s), u"algo"_s);
        Pulsar(juego, u"Cargar"_s);
        QCOMPARE(juego->juego.estado.lugar, Calle);
        QCOMPARE(Lista(juego), QStringList());
        QVERIFY(juego->LeerOrdenes().empty());
        QVERIFY(Hijo(juego, u"Image2"_s)->isVisible());
    }

    void winningShowsOnlyTheEnding()
    {
        Primero* juego = Jugar();
        Escribir(juego, u"suero"_s);
        QVERIFY(!programa->VentanaFinal());

        juego->juego.estado.ingredientes = 3;
        Escribir(juego, u"suero"_s);
        Final* final = programa->VentanaFinal();
        QVERIFY(final && final->isVisible());
        QVERIFY(!juego->isVisible());
        QVERIFY(!Titulo()->isVisible());
        QCOMPARE(Hijo<QLabel>(final, u"Label13"_s)->text(), u"The FiN"_s);
        QCOMPARE(fin->count(), 0);
    }

    void missingPictureLeavesItsControlBlank()
    {
        const Carpeta carpeta;
        Primero* juego = Jugar();
        auto* image3 = Hijo<QLabel>(juego, u"Image3"_s);
        const QRect caja = image3->geometry();

        QDir().mkdir(u"graficos"_s);
        QImage(10, 20, QImage::Format_RGB32).save(u"graficos/Pozo.jpg"_s);
        juego->CargarImagen(Imagen::Lugar, u"pozo.jpg");
        QCOMPARE(image3->geometry(), QRect(caja.topLeft(), QSize(10, 20)));
        QVERIFY(!image3->pixmap().isNull());

        QTest::ignoreMessage(QtWarningMsg, "talpin: no se puede leer la imagen graficos/Aseo.jpg");
        juego->CargarImagen(Imagen::Lugar, u"Aseo.jpg");
        QVERIFY(image3->pixmap().isNull());
        QCOMPARE(image3->geometry(), QRect(caja.topLeft(), QSize(10, 20)));
    }

    void aFifoIsNoPicture()
    {
        const Carpeta carpeta;
        QDir().mkdir(u"graficos"_s);
        Tuberia tuberia(u"graficos/uno2.jpg"_s);
        QVERIFY(tuberia.Creada());
        QTest::ignoreMessage(QtWarningMsg, "talpin: no se puede leer la imagen graficos/uno2.jpg");
        Primero* juego = Jugar();
        QVERIFY(!tuberia.Atascada());
        QVERIFY(Hijo<QLabel>(juego, u"Image3"_s)->pixmap().isNull());
    }

    void anOutsizedPictureIsNotDecoded()
    {
        const Carpeta carpeta;
        Primero* juego = Jugar();
        QDir().mkdir(u"graficos"_s);
        QFile fichero(u"graficos/pozo.jpg"_s);
        QVERIFY(fichero.open(QIODevice::WriteOnly));
        fichero.write(JpegQueDiceMedir(5500));
        fichero.close();

        QTest::ignoreMessage(QtWarningMsg, "talpin: no se puede leer la imagen graficos/pozo.jpg");
        juego->CargarImagen(Imagen::Lugar, u"pozo.jpg");
        QVERIFY(Hijo<QLabel>(juego, u"Image3"_s)->pixmap().isNull());
    }

    void aboutTheAuthorAndTheAboutBox()
    {
        QAction* autor = Titulo()->findChild<QAction*>(u"autor"_s);
        autor->trigger();
        QPointer<SobreAutor> ventana = programa->VentanaAutor();
        QVERIFY(ventana && ventana->isVisible());
        QVERIFY(Titulo()->isVisible());
        autor->trigger();
        QCOMPARE(programa->VentanaAutor(), ventana.get());

        Pulsar(ventana, u"Command1"_s);
        QVERIFY(!ventana->isVisible());
        autor->trigger();
        QCOMPARE(programa->VentanaAutor(), ventana.get());
        QVERIFY(ventana->isVisible());

        ventana->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!ventana);
        autor->trigger();
        QVERIFY(programa->VentanaAutor() && programa->VentanaAutor()->isVisible());

        Aviso vista;
        ResponderCaja(vista);
        Titulo()->findChild<QAction*>(u"acercade"_s)->trigger();
        QCOMPARE(vista.titulo, u"Acerca de ..."_s);
        QVERIFY(vista.texto.contains(u"Trombulix Juegos"_s));
        QCOMPARE(vista.icono, QMessageBox::NoIcon);
        QCOMPARE(vista.botones, QMessageBox::Ok);
        QCOMPARE(fin->count(), 0);
    }

    void everyWayOut_data()
    {
        QTest::addColumn<Salida>("salida");
        QTest::newRow("menu Salir, the about window open") << Salida([](TestVentanas* t) {
            t->Titulo()->findChild<QAction*>(u"autor"_s)->trigger();
            t->Titulo()->findChild<QAction*>(u"alacaca"_s)->trigger();
        });
        QTest::newRow("closing the title, the game hidden") << Salida([](TestVentanas* t) {
            Pulsar(t->Jugar(), u"salir"_s);
            t->Titulo()->close();
        });
        QTest::newRow("closing the game") << Salida([](TestVentanas* t) { t->Jugar()->close(); });
        QTest::newRow("Salir on the ending") << Salida([](TestVentanas* t) {
            t->Jugar()->MostrarFinal();
            Pulsar(t->programa->VentanaFinal(), u"Command1"_s);
        });
        QTest::newRow("closing the ending") << Salida([](TestVentanas* t) {
            t->Jugar()->MostrarFinal();
            t->programa->VentanaFinal()->close();
        });
    }

    void everyWayOut()
    {
        QFETCH(Salida, salida);
        salida(this);
        QCOMPARE(fin->count(), 1);
    }

    void escapeSaysGoodbyeThenEnds()
    {
        const Carpeta carpeta;
        Primero* juego = Jugar();
        Aviso vista;
        ResponderCaja(vista);
        QTest::keyClicks(Hijo(juego, u"ordenes"_s), u"coger"_s);
        QTest::keyClick(Hijo(juego, u"ordenes"_s), Qt::Key_Escape);
        QCOMPARE(vista.titulo, u"Salir"_s);
        QCOMPARE(vista.texto, u"¡Gracias por jugar!, y vuelva pronto"_s);
        QCOMPARE(vista.icono, QMessageBox::Warning);
        QCOMPARE(vista.botones, QMessageBox::Ok);
        QCOMPARE(fin->count(), 1);
        QVERIFY(!QFile::exists(u"partida"_s));
    }
};

QTEST_MAIN(TestVentanas)
#include "test_ventanas.moc"
