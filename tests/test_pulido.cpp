// The finish of the windows: texts inside their boxes and clear of the
// frame lines, captions inside their buttons, the about-the-author window
// on the screen, and Qt's own dialogs in Spanish.
#include "ventanas_prueba.h"

#include "screens/final.h"
#include "screens/sobre_autor.h"
#include "ui/disposicion.h"
#include "ui/foto.h"
#include "ui/trazos.h"
#include "ui/traduccion.h"

#include <QAction>
#include <QScreen>
#include <QStyle>

using namespace Qt::Literals::StringLiterals;

namespace {

// Where a label's text is drawn, in its parent's coordinates.
QRect Texto(const QLabel* etiqueta)
{
    const QFontMetrics medidas = etiqueta->fontMetrics();
    const QRect caja = etiqueta->contentsRect();
    const int banderas = int(etiqueta->alignment()) | (etiqueta->wordWrap() ? Qt::TextWordWrap : 0);
    return medidas.boundingRect(caja, banderas, etiqueta->text()).translated(etiqueta->pos());
}

} // namespace

class TestPulido : public QObject {
    Q_OBJECT

    std::unique_ptr<Programas> run;

    // The four windows, each shown.
    QList<QWidget*> Ventanas()
    {
        run = std::make_unique<Programas>();
        run->Titulo()->findChild<QAction*>(u"autor"_s)->trigger();
        Primero* juego = run->Jugar();
        QList<QWidget*> ventanas{run->Titulo(), juego, run->programa->VentanaAutor()};
        juego->MostrarFinal();
        return ventanas << run->programa->VentanaFinal();
    }

private slots:
    void cleanup() { run.reset(); }

    void everyTextStaysInItsBoxAndClearOfTheLines()
    {
        int etiquetas = 0;
        for (QWidget* ventana : Ventanas()) {
            for (QLabel* etiqueta : ventana->findChildren<QLabel*>()) {
                if (etiqueta->text().isEmpty())
                    continue;
                ++etiquetas;
                const QString nombre = ventana->objectName() + u' ' + etiqueta->text().left(20);
                const QRect texto = Texto(etiqueta);
                QVERIFY2(etiqueta->geometry().contains(texto), qPrintable(nombre));
                // A heading that paints its own background is meant to
                // break the line it sits on.
                if (etiqueta->autoFillBackground())
                    continue;
                // Lines of text may touch; lines, pictures and controls not.
                for (QObject* vecino : etiqueta->parent()->children()) {
                    auto* otro = qobject_cast<QWidget*>(vecino);
                    if (!otro || !otro->isVisible() || (qobject_cast<QLabel*>(otro) && !qobject_cast<Foto*>(otro)))
                        continue;
                    QVERIFY2(!otro->geometry().intersects(texto),
                             qPrintable(nombre + u" runs into "_s + otro->objectName()));
                }
            }
        }
        // Title, game, about the author, ending.
        QCOMPARE(etiquetas, 6 + 4 + 7 + 13);
    }

    void everyCaptionFitsItsButton()
    {
        for (QWidget* ventana : Ventanas()) {
            for (QPushButton* boton : ventana->findChildren<QPushButton*>()) {
                const QStyle* estilo = boton->style();
                const int margen = estilo->pixelMetric(QStyle::PM_ButtonMargin, nullptr, boton)
                                   + 2 * estilo->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, boton);
                const int ancho = boton->fontMetrics().size(Qt::TextShowMnemonic, boton->text()).width();
                QVERIFY2(ancho + margen <= boton->width(), qPrintable(boton->text()));
                QVERIFY2(boton->fontInfo().pixelSize() >= 8, qPrintable(boton->text()));
            }
        }
    }

    void theAboutWindowStandsBesideTheTitleWithinTheScreen_data()
    {
        QTest::addColumn<QRect>("titulo");
        QTest::addColumn<QPoint>("sitio");
        QTest::newRow("room on the right") << QRect(100, 50, 600, 420) << QPoint(708, 50);
        QTest::newRow("room on the left only") << QRect(700, 50, 650, 420) << QPoint(165, 50);
        QTest::newRow("room on neither side") << QRect(315, 50, 650, 420) << QPoint(0, 50);
        QTest::newRow("low on the screen") << QRect(100, 800, 600, 420) << QPoint(708, 524);
    }

    void theAboutWindowStandsBesideTheTitleWithinTheScreen()
    {
        QFETCH(QRect, titulo);
        QFETCH(QPoint, sitio);
        QCOMPARE(AlLado(titulo, QSize(527, 500), QRect(0, 0, 1280, 1024), 8), sitio);
    }

    void theAboutWindowOpensOnTheScreen()
    {
        Programas programas;
        Principal* titulo = programas.Titulo();
        const QRect pantalla = titulo->screen()->availableGeometry();
        titulo->move(pantalla.right() - titulo->frameGeometry().width() / 2, pantalla.top());
        titulo->findChild<QAction*>(u"autor"_s)->trigger();
        QWidget* autor = programas.programa->VentanaAutor();
        QVERIFY(QTest::qWaitForWindowExposed(autor));
        QVERIFY(pantalla.contains(autor->frameGeometry()));
    }

    void messageBoxesSayAceptar()
    {
        TraducirQt(*QCoreApplication::instance());
        Programas programas;
        QString boton, titulo;
        ResponderCaja([&](QMessageBox* caja) {
            boton = caja->button(QMessageBox::Ok)->text().remove(u'&');
            titulo = caja->windowTitle();
        });
        programas.Titulo()->findChild<QAction*>(u"acercade"_s)->trigger();
        QCOMPARE(boton, u"Aceptar"_s);
        // The game's own words stay as they are.
        QCOMPARE(titulo, u"Acerca de ..."_s);
    }
};

QTEST_MAIN(TestPulido)
#include "test_pulido.moc"
