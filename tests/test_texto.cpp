#include "jugar_texto.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString inicio = u"Estás en la casa de Fray Supremus, también te acompaña Fray Cabronus."_s;
const QString noCarga =
    u"No se puede cargar la partida porque no hay ninguna guardada o no se ha podido leer el fichero."_s;

// The start of a JPEG file that declares the size, and nothing more.
QByteArray CabeceraJpeg(int ancho, int alto)
{
    QByteArray bytes("\xff\xd8\xff\xc0\x00\x11\x08", 7);
    for (int lado : {alto, ancho})
        bytes.append(char(lado >> 8)).append(char(lado & 0xff));
    return bytes + QByteArray("\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01\xff\xd9", 12);
}

void Crear(const QString& ruta, const QByteArray& contenido)
{
    QFile fichero(ruta);
    QVERIFY(fichero.open(QIODevice::WriteOnly));
    fichero.write(contenido);
}

} // namespace

class TestTexto : public QObject {
    Q_OBJECT

private slots:
    void estadoInicial()
    {
        const Salida salida = Jugar(":estado\n:lugar\n");
        QCOMPARE(salida.estado, 0);
        QCOMPARE(salida.texto,
                 inicio + u"\n\n"
                          " 1  0  0  0  0  0  0  0  0  0  0  0  0  0  0  0 \n"
                 "Image3: uno2.jpg\n"
                 "Image2: (inicial)\n"
                 "ordenes: \n"
                 "\n"
                 "Estoy en la casa de Fray Supremus. La ventana está cubierta por barrotes, el garaje está completamente cerrado,\n"
                 "y la puerta está cubierta por una persiana, increible.\n"
                 "\n"_s);
    }

    void escribirYPulsar()
    {
        // Typed text keeps its trailing blanks; the character click inserts
        // at the caret, which a verb picture leaves at the start.
        const Salida salida = Jugar(":escribir mirar  \n:estado\n:hablar\n:escribir Fray  \n:estado\n"
                                    "usar puerta\n:estado\n");
        const QStringList bloques = salida.texto.split(u"\n\n"_s);
        QCOMPARE(bloques.size(), 9);
        QCOMPARE(bloques[0], inicio);
        QCOMPARE(bloques[1], inicio);
        QVERIFY(bloques[2].endsWith(u"ordenes: mirar  "_s));
        QVERIFY(bloques[5].endsWith(u"ordenes: Fray  Hablar "_s));
        QVERIFY(bloques[7].contains(u"Image2: supremus.jpg"_s));
        QVERIFY(bloques[7].endsWith(u"ordenes: "_s));
    }

    void personajeOculto()
    {
        QTemporaryDir carpeta;
        QFile partida(carpeta.filePath(u"partida"_s));
        QVERIFY(partida.open(QIODevice::WriteOnly));
        partida.write(" 7  0  0  0  0  0  0  0  0  0  0  0  0  0  0  0 \r\n");
        partida.close();
        const Salida salida = Jugar(":cargar\n:personaje\n:estado\n", carpeta.path());
        QVERIFY(salida.texto.endsWith(u"Image3: Aseo.jpg\nImage2: oculta\nordenes: \n\n"_s));
    }

    void entradaRara()
    {
        const Salida salida = Jugar("\xff\xfe mirar\r\n:volar\n\r\n:esc\nmirar pozo\n");
        // Bad bytes and a lone CR are orders like any other; an unknown
        // command only shows the list again; Esc ends before the last line.
        QCOMPARE(salida.estado, 0);
        QVERIFY(salida.errores.contains(u":volar"_s));
        const QString entendido = u"Intenta expresarte de otra manera ...\n\n"_s;
        QCOMPARE(salida.texto,
                 inicio + u"\n\n"_s + entendido + entendido + entendido + u"¡Gracias por jugar!, y vuelva pronto\n\n"_s);
    }

    void ayuda()
    {
        // Besides the commands, how to give orders.
        const Salida salida = Jugar(":ayuda\n");
        for (const char* palabra : {"HABLAR", "MIRAR", "USAR", "MENTIR", "COGER", "RETRO"})
            QVERIFY2(salida.texto.contains(QLatin1StringView(palabra)), palabra);
        QVERIFY(salida.texto.contains(u":personaje"_s));
    }

    void finDeLaEntrada()
    {
        QTemporaryDir carpeta;
        const Salida salida = Jugar("usar puerta\n", carpeta.path());
        QCOMPARE(salida.estado, 0);
        QVERIFY(salida.texto.endsWith(u"Estás dentro de la casa, y ves a Fray Supremus.\n\n"_s));
        // Missing pictures are only warned about.
        QVERIFY(salida.errores.contains(u"dentro1.jpg"_s));
        QVERIFY(!QFile::exists(carpeta.filePath(u"partida"_s)));
    }

    // Only a regular file is a saved game: the rest fail at once, never wait.
    void partidaQueNoEsFichero_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::newRow("FIFO") << u"fifo"_s;
        QTest::newRow("folder") << u"carpeta"_s;
        QTest::newRow("device") << u"dispositivo"_s;
    }

    void partidaQueNoEsFichero()
    {
        QFETCH(QString, tipo);
        QTemporaryDir carpeta;
        const QString partida = carpeta.filePath(u"partida"_s);
        if (tipo == u"fifo"_s)
            QCOMPARE(mkfifo(QFile::encodeName(partida).constData(), 0600), 0);
        else if (tipo == u"carpeta"_s)
            QVERIFY(QDir().mkdir(partida));
        else
            QVERIFY(QFile::link(u"/dev/zero"_s, partida));
        const Salida salida = Jugar(":cargar\n:estado\n", carpeta.path());
        QCOMPARE(salida.estado, 0);
        QVERIFY(salida.texto.startsWith(inicio + u"\n\n"_s + inicio + u'\n' + noCarga + u"\n\n 1  0 "_s));
    }

    // Under a file-size limit the save fails and says so; the game goes on.
    void guardarConLimiteDeTamano()
    {
        QTemporaryDir carpeta;
        Crear(carpeta.filePath(u"partida"_s), "viejo");
        const Salida salida = Jugar("usar puerta\n:guardar\nretro\n", carpeta.path(), [] {
            const rlimit nada{0, 0};
            setrlimit(RLIMIT_FSIZE, &nada);
        });
        QCOMPARE(salida.estado, 0);
        QVERIFY(salida.texto.endsWith(u"No se ha podido guardar la partida.\n\n\n"_s));
        QFile partida(carpeta.filePath(u"partida"_s));
        QVERIFY(partida.open(QIODevice::ReadOnly));
        QCOMPARE(partida.readAll(), "viejo");
        QCOMPARE(QDir(carpeta.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"partida"_s});
    }

    // A picture that declares a size far beyond any the game shows is
    // reported like a missing one.
    void imagenDesmesurada_data()
    {
        QTest::addColumn<QSize>("tamano");
        QTest::addColumn<bool>("aviso");
        QTest::newRow("5500 x 5500") << QSize(5500, 5500) << true;
        QTest::newRow("largest taken") << QSize(2560, 3000) << false;
        QTest::newRow("too wide") << QSize(2561, 10) << true;
        QTest::newRow("too tall") << QSize(10, 3001) << true;
    }

    void imagenDesmesurada()
    {
        QFETCH(QSize, tamano);
        QFETCH(bool, aviso);
        QTemporaryDir carpeta;
        QVERIFY(QDir(carpeta.path()).mkdir(u"graficos"_s));
        Crear(carpeta.filePath(u"graficos/uno2.jpg"_s), CabeceraJpeg(tamano.width(), tamano.height()));
        const Salida salida = Jugar("", carpeta.path());
        QCOMPARE(salida.errores.contains(u"graficos/uno2.jpg"_s), aviso);
    }

    void guardarYCargar()
    {
        QTemporaryDir carpeta;
        const Salida salida = Jugar("usar puerta\n:guardar\nretro\n:cargar\n:estado\n", carpeta.path());
        QVERIFY(salida.texto.contains(u"Partida guardada\n"_s));
        QVERIFY(salida.texto.endsWith(u"\n\n 2  0  0  0  0  0  0  0  0  0  0  0  0  0  0  0 \n"
                                      "Image3: dentro1.jpg\nImage2: supremus.jpg\nordenes: \n\n"_s));
    }
};

QTEST_GUILESS_MAIN(TestTexto)
#include "test_texto.moc"
