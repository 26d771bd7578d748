#include "plataforma/graficos.h"
#include "world/escenas.h"
#include "screens/principal.h"
#include "screens/sobre_autor.h"
#include "ui/foto.h"
#include "ui/fuentes.h"
#include "ui/primero.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QImageReader>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// "uno2.jpg" -> "uno2@2x.jpg"
QString Doble(const QString& ruta)
{
    const QFileInfo info(ruta);
    return ruta.left(ruta.size() - info.fileName().size()) + info.completeBaseName() + u"@2x."_s
        + info.suffix();
}

void ComprobarImagen(const QString& ruta, QSize tamano)
{
    QImageReader lector(ruta);
    QVERIFY2(lector.canRead(), qPrintable(ruta + u": "_s + lector.errorString()));
    const QImage imagen = lector.read();
    QVERIFY2(!imagen.isNull(), qPrintable(ruta + u": "_s + lector.errorString()));
    QCOMPARE(imagen.size(), tamano);
}

const QSize kLugar(319, 259);
const QSize kPersonaje(128, 231);

} // namespace

class TestGraficos : public QObject {
    Q_OBJECT

private slots:
    void ficheros_data()
    {
        QTest::addColumn<QString>("ruta");
        QTest::addColumn<QSize>("tamano");

        // Every picture that the table of places names, found as the game finds it.
        const auto fila = [](std::u16string_view nombre, QSize tamano) {
            const QString fichero = QString::fromStdU16String(std::u16string(nombre));
            QTest::newRow(qPrintable(fichero))
                << QString::fromStdString(RutaGrafico(fichero.toStdString())) << tamano;
        };
        for (const Escena& escena : Escenas) {
            fila(escena.foto, kLugar);
            if (!escena.fotoPersonaje.empty())
                fila(escena.fotoPersonaje, kPersonaje);
        }

        const struct {
            const char* nombre;
            QSize tamano;
        } guardadas[] = {
            {"cabronus.jpg", kPersonaje}, {"calle.jpg", kLugar},        {"talpin.jpg", {124, 232}},
            {"hablar.jpg", {52, 52}},     {"mirar.jpg", {46, 51}},      {"usar.jpg", {45, 51}},
            {"mentir.jpg", {53, 49}},     {"coger.jpg", {46, 49}},      {"titulo.jpg", {103, 161}},
            {"autor.jpg", {191, 374}},    {"logo.bmp", {308, 231}},
        };
        for (const auto& guardada : guardadas)
            QTest::newRow(guardada.nombre) << u":/imagenes/"_s + QLatin1StringView(guardada.nombre)
                                           << guardada.tamano;
    }

    void ficheros()
    {
        QFETCH(QString, ruta);
        QFETCH(QSize, tamano);
        ComprobarImagen(ruta, tamano);
        ComprobarImagen(Doble(ruta), tamano * 2);
    }

    // Every picture control of every window shows its stored picture.
    void fotosGuardadas()
    {
        const std::unique_ptr<QWidget> ventanas[] = {std::make_unique<Primero>(), std::make_unique<Principal>(),
                                                     std::make_unique<SobreAutor>()};
        for (const auto& ventana : ventanas) {
            const QList<Foto*> fotos = ventana->findChildren<Foto*>();
            QVERIFY(!fotos.isEmpty());
            for (const Foto* foto : fotos)
                QVERIFY2(!foto->pixmap().isNull(), qPrintable(ventana->objectName() + u' ' + foto->objectName()));
        }
    }

    // The game reads whatever it finds there: nothing missing, nothing that will not decode.
    void carpetaGraficos()
    {
        const QStringList ficheros = QDir(u"graficos"_s).entryList(QDir::Files);
        QCOMPARE(ficheros.size(), 24);
        for (const QString& fichero : ficheros) {
            QImageReader lector(u"graficos/"_s + fichero);
            QCOMPARE(lector.format(), QByteArray("jpeg"));
            QVERIFY2(!lector.read().isNull(), qPrintable(fichero));
        }
    }

    // The about window shows a 24-bit bitmap, not a JPEG under another name.
    void logoEsMapaDeBits()
    {
        for (const QString& ruta : {u":/imagenes/logo.bmp"_s, u":/imagenes/logo@2x.bmp"_s}) {
            QFile fichero(ruta);
            QVERIFY(fichero.open(QIODevice::ReadOnly));
            const QByteArray cabecera = fichero.read(30);
            QVERIFY(cabecera.startsWith("BM"));
            QCOMPARE(quint8(cabecera[28]) | quint8(cabecera[29]) << 8, 24);
        }
    }

    void fuentes_data()
    {
        QTest::addColumn<QString>("windows");
        QTest::addColumn<QString>("libre");

        QTest::newRow("MS Sans Serif") << u"MS Sans Serif"_s << u"Liberation Sans"_s;
        QTest::newRow("Arial") << u"Arial"_s << u"Liberation Sans"_s;
        QTest::newRow("Arial Black") << u"Arial Black"_s << u"Roboto"_s;
        QTest::newRow("Arial Rounded MT Bold") << u"Arial Rounded MT Bold"_s << u"Comfortaa"_s;
        QTest::newRow("Californian FB") << u"Californian FB"_s << u"Linux Libertine O"_s;
        QTest::newRow("Mistral") << u"Mistral"_s << u"Kaushan Script"_s;
        QTest::newRow("Modern") << u"Modern"_s << u"Quicksand"_s;
        QTest::newRow("Monotype Corsiva") << u"Monotype Corsiva"_s << u"TeX Gyre Chorus"_s;
        QTest::newRow("Pristina") << u"Pristina"_s << u"Dancing Script"_s;
        QTest::newRow("Tempus Sans ITC") << u"Tempus Sans ITC"_s << u"Comic Neue"_s;
    }

    // Each face of the layouts must land on its installed stand-in, not on whatever fontconfig offers.
    void fuentes()
    {
        QFETCH(QString, windows);
        QFETCH(QString, libre);
        const QFontInfo info(Fuente(windows, 10.5, true));
        QCOMPARE(info.family(), libre);
        // A broader stand-in may be set a little smaller, never larger.
        QVERIFY(info.pointSizeF() <= 10.5);
        QVERIFY(info.pointSizeF() >= 10.5 * 0.85);
    }

    void estilos()
    {
        const QFontInfo arial(Fuente(u"Arial"_s, 10.5, true, true));
        QVERIFY(arial.bold());
        QVERIFY(arial.italic());

        const QFontInfo llano(Fuente(u"Arial"_s, 8.25));
        QVERIFY(!llano.bold());
        QVERIFY(!llano.italic());

        // Arial Black is heavy even where the layout does not ask for bold.
        QCOMPARE(QFontInfo(Fuente(u"Arial Black"_s, 7.5)).weight(), int(QFont::Black));

        // A chancery hand is slanted already; slanting it again would lean it over.
        QVERIFY(!Fuente(u"Monotype Corsiva"_s, 24, true, true).italic());
    }

    void caraDesconocida()
    {
        const QFont fuente = Fuente(u"Wingdings"_s, 12, true);
        QCOMPARE(fuente.family(), QFont().family());
        QCOMPARE(fuente.pointSizeF(), 12.0);
        QVERIFY(fuente.bold());
    }
};

QTEST_MAIN(TestGraficos)
#include "test_graficos.moc"
