// The pictures on a screen of twice the density: sharp where a "@2x" twin
// exists, and always at the size of the 1x picture.
#include "ventanas_prueba.h"

#include "plataforma/graficos.h"

#include <QLabel>

using namespace Qt::Literals::StringLiterals;

class TestNitidez : public QObject {
    Q_OBJECT

private slots:
    void twinPicturesAreLoadedSharp()
    {
        const Carpeta carpeta;
        QDir().mkdir(u"graficos"_s);
        QImage(10, 20, QImage::Format_RGB32).save(u"graficos/uno2.jpg"_s);
        QImage(20, 40, QImage::Format_RGB32).save(u"graficos/uno2@2x.jpg"_s);
        QImage(30, 10, QImage::Format_RGB32).save(u"graficos/Pozo.jpg"_s);

        Primero juego;
        juego.show();
        QCOMPARE(juego.devicePixelRatio(), 2);
        auto* image3 = juego.findChild<QLabel*>(u"Image3"_s);
        QCOMPARE(image3->size(), QSize(10, 20));
        QCOMPARE(image3->pixmap().size(), QSize(20, 40));
        QCOMPARE(image3->pixmap().devicePixelRatio(), 2);

        juego.CargarImagen(Imagen::Lugar, u"pozo.jpg");
        QCOMPARE(image3->size(), QSize(30, 10));
        QCOMPARE(image3->pixmap().devicePixelRatio(), 1);
    }

    void twinComesFromBesideItsPicture()
    {
        // A picture replaced in graficos/ must not show the installed twin.
        const Carpeta carpeta;
        QTemporaryDir instalada;
        QDir().mkdir(u"graficos"_s);
        QImage(10, 20, QImage::Format_RGB32).save(u"graficos/uno2.jpg"_s);
        QImage(10, 20, QImage::Format_RGB32).save(u"graficos/reja.jpg"_s);
        QImage(30, 30, QImage::Format_RGB32).save(instalada.filePath(u"reja.jpg"_s));
        QImage(60, 60, QImage::Format_RGB32).save(instalada.filePath(u"reja@2x.jpg"_s));
        QImage(40, 10, QImage::Format_RGB32).save(instalada.filePath(u"Cuarto.jpg"_s));
        QImage(80, 20, QImage::Format_RGB32).save(instalada.filePath(u"cuarto@2x.jpg"_s));
        AnadirCarpetaGraficos(instalada.path().toStdString());

        Primero juego;
        juego.show();
        auto* image3 = juego.findChild<QLabel*>(u"Image3"_s);
        juego.CargarImagen(Imagen::Lugar, u"reja.jpg");
        QCOMPARE(image3->pixmap().size(), QSize(10, 20));
        QCOMPARE(image3->pixmap().devicePixelRatio(), 1);

        juego.CargarImagen(Imagen::Lugar, u"cuarto.jpg");
        QCOMPARE(image3->size(), QSize(40, 10));
        QCOMPARE(image3->pixmap().size(), QSize(80, 20));
    }
};

int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication aplicacion(argc, argv);
    TestNitidez prueba;
    return QTest::qExec(&prueba, argc, argv);
}

#include "test_ventanas_nitidez.moc"
