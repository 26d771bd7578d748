#include "partida_prueba.h"

#include "core/partida.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString noCarga =
    u"No se puede cargar la partida porque no hay ninguna guardada o no se ha podido leer el fichero."_s;

std::optional<GameState> Leer(std::string_view texto) { return LeerPartida(texto); }
std::optional<GameState> Leer(const QByteArray& texto) { return LeerPartida(texto.toStdString()); }

void Escribir(const QByteArray& texto)
{
    QFile fichero(u"partida"_s);
    QVERIFY(fichero.open(QIODevice::WriteOnly));
    fichero.write(texto);
}

QByteArray Contenido(const QString& nombre = u"partida"_s)
{
    QFile fichero(nombre);
    return fichero.open(QIODevice::ReadOnly) ? fichero.readAll() : QByteArray();
}

void Crear(const QString& nombre, const QByteArray& texto)
{
    QFile fichero(nombre);
    QVERIFY(fichero.open(QIODevice::WriteOnly));
    fichero.write(texto);
}

QStringList Ficheros()
{
    QStringList ficheros = QDir().entryList(QDir::Files | QDir::Hidden);
    ficheros.sort();
    return ficheros;
}

// Blanks before a save, to make it `tamano` bytes long.
QByteArray Relleno(qint64 tamano, const QByteArray& partida)
{
    return QByteArray(tamano - partida.size(), ' ') + partida;
}

const QByteArray partidaEnLaCocina("2 0 1 0 0 0 0 0 0 0 0 0 0 0 0 7");

} // namespace

class TestPartida : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> carpeta;
    QString antes;

private slots:
    // Each test in a fresh, empty folder.
    void init()
    {
        antes = QDir::currentPath();
        carpeta = std::make_unique<QTemporaryDir>();
        QVERIFY(carpeta->isValid());
        QDir::setCurrent(carpeta->path());
    }

    void cleanup()
    {
        QDir::setCurrent(antes);
        carpeta.reset();
    }

    void bytesDeUnaPartidaNueva()
    {
        QCOMPARE(TextoPartida(GameState{.lugar = 1}),
                 std::string(" 1  0  0  0  0  0  0  0  0  0  0  0  0  0  0  0 \r\n"));
        QCOMPARE(TextoPartida(GameState{.lugar = 9, .astilla = -1, .ingredientes = 32767,
                                        .numeroPozo = -32768}),
                 std::string(" 9 -1  0  0  0  0  0  0  0  0  0  32767  0  0  0 -32768 \r\n"));
    }

    void idaYVuelta()
    {
        GameState estado;
        std::int16_t valor = -3;
        for (std::int16_t GameState::*campo : GameState::campos)
            estado.*campo = valor++;
        estado.lugar = 6;
        QCOMPARE(Leer(TextoPartida(estado)), std::optional(estado));
    }

    void otrasFormas_data()
    {
        QTest::addColumn<QByteArray>("texto");
        QTest::newRow("one per line") << QByteArray("2\n0\n1\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n7\n");
        QTest::newRow("commas") << QByteArray("2,0,1,0,0,0,0,0,0,0,0,0,0,0,0,7");
        QTest::newRow("commas with blanks") << QByteArray("  2 , 0, 1 ,0,0,0,0,0,0,0,0,0,0,0,0 ,  7\r\n");
        QTest::newRow("leading lines, wide gaps")
            << QByteArray("\r\n\n   2      0 1 0 0 0 0 0 0 0 0 0 0 0 0 7 tail, 99 words");
        QTest::newRow("line break and comma") << QByteArray("2\r\n,0 1 0 0 0 0 0 0 0 0 0 0 0 0 7");
        QTest::newRow("leading zeros") << QByteArray("02 0 001 0 0 0 0 0 0 0 0 0 0 0 0 -0 7");
        QTest::newRow("longest file taken") << Relleno(tamanoMaximoPartida, partidaEnLaCocina);
    }

    void otrasFormas()
    {
        QFETCH(QByteArray, texto);
        GameState esperado{.lugar = 2, .hierro = 1, .numeroPozo = 7};
        if (texto.contains("-0 7"))
            esperado.numeroPozo = 0;
        QCOMPARE(Leer(texto), std::optional(esperado));
    }

    void ficherosMalos_data()
    {
        QTest::addColumn<QByteArray>("texto");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("blanks only") << QByteArray("  \r\n ");
        QTest::newRow("fifteen numbers") << QByteArray(" 1  0  0  0  0  0  0  0  0  0  0  0  0  0  0 \r\n");
        QTest::newRow("two commas") << QByteArray("1,,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0");
        QTest::newRow("leading comma") << QByteArray(",1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0");
        QTest::newRow("word") << QByteArray("1 0 0 hierro 0 0 0 0 0 0 0 0 0 0 0 0");
        QTest::newRow("glued word") << QByteArray("1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0x");
        QTest::newRow("fraction") << QByteArray("1 0 0 0 0 0 0 0 0 0 0 1.5 0 0 0 0");
        QTest::newRow("plus sign") << QByteArray("+1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0");
        QTest::newRow("lone minus") << QByteArray("1 - 0 0 0 0 0 0 0 0 0 0 0 0 0 0");
        QTest::newRow("too large") << QByteArray("1 0 0 0 0 0 0 0 0 0 0 32768 0 0 0 0");
        QTest::newRow("too small") << QByteArray("1 0 0 0 0 0 0 0 0 0 0 -32769 0 0 0 0");
        QTest::newRow("huge") << QByteArray("1 0 0 0 0 0 0 0 0 0 0 99999999999999999999 0 0 0 0");
        QTest::newRow("place 0") << QByteArray(" 0  0  0  0  0  0  0  0  0  0  0  0  0  0  0  0 ");
        QTest::newRow("place 10") << QByteArray(" 10  0  0  0  0  0  0  0  0  0  0  0  0  0  0  0 ");
        QTest::newRow("negative place") << QByteArray("-1  0  0  0  0  0  0  0  0  0  0  0  0  0  0  0 ");
        // Reading gigabytes of blanks would freeze the game.
        QTest::newRow("one byte too long") << Relleno(tamanoMaximoPartida + 1, partidaEnLaCocina);
    }

    void ficherosMalos()
    {
        QFETCH(QByteArray, texto);
        QCOMPARE(Leer(texto), std::nullopt);

        // Through the button: nothing changes but the failure line below the list.
        Escribir(texto);
        Partida partida;
        auto& [ventana, fichero, juego] = partida;
        juego.estado.hierro = 1;
        const GameState estado = juego.estado;
        ventana.ordenes = u"mirar pozo";
        QVERIFY(!juego.Cargar());
        QCOMPARE(juego.estado, estado);
        QCOMPARE(DeJuego(ventana.lista).size(), 2);
        QCOMPARE(DeJuego(ventana.lista).last(), noCarga);
        QCOMPARE(DeJuego(ventana.ordenes), u"mirar pozo"_s);
        QCOMPARE(DeJuego(ventana.image3), u"uno2.jpg"_s);
        QVERIFY(ventana.image2.empty());
        QVERIFY(ventana.personajeVisible);
    }

    // A save killed halfway leaves its temporary file "partida.XXXXXX";
    // the next save clears it, and nothing else.
    void restosDeGuardadosMatados()
    {
        Crear(u"partida.AbCdEf"_s, " 1  0 ");
        Crear(u"partida.QwErTy"_s, "");
        Crear(u"partida.XyZwVu"_s, " 3  1  1  0  0  0  0  0  0  0  0  0  0  0  0  0 \r\n");
        Crear(u"partida.Ab12Ef"_s, " 1  0 ");
        const QStringList ajenos = {u"PARTIDA.abcdef"_s, u"partida.abc-ef"_s, u"partida.backup"_s,
                                    u"partida.bak"_s, u"partida.copiaA"_s};
        Crear(ajenos[0], " 1  0 ");
        Crear(ajenos[1], " 1  0 ");
        Crear(ajenos[2], "mis notas");
        Crear(ajenos[3], " 1  0 ");
        Crear(ajenos[4], QByteArray(200, ' '));
        QVERIFY(QDir().mkdir(u"partida.Carpet"_s));

        Partida partida;
        auto& [ventana, fichero, juego] = partida;
        juego.Guardar();
        QCOMPARE(DeJuego(ventana.lista).last(), u"Partida guardada"_s);
        QStringList quedan = ajenos;
        quedan << u"partida"_s;
        quedan.sort();
        QCOMPARE(Ficheros(), quedan);
        QVERIFY(QFileInfo(u"partida.Carpet"_s).isDir());
    }

    // Another game holds the folder: the file may be its save in progress.
    void restoDeOtraPartidaEnCurso()
    {
        const int carpeta = open(".", O_RDONLY | O_DIRECTORY);
        QVERIFY(carpeta >= 0);
        QCOMPARE(flock(carpeta, LOCK_EX), 0);
        Crear(u"partida.MnOpQr"_s, " 1  0 ");

        Partida partida;
        auto& [ventana, fichero, juego] = partida;
        juego.Guardar();
        close(carpeta);
        QCOMPARE(DeJuego(ventana.lista).last(), u"Partida guardada"_s);
        QCOMPARE(Ficheros(), (QStringList{u"partida"_s, u"partida.MnOpQr"_s}));

        juego.Guardar();
        QCOMPARE(Ficheros(), QStringList{u"partida"_s});
    }

    void sinFichero()
    {
        Partida partida;
        auto& [ventana, fichero, juego] = partida;
        QVERIFY(!juego.Cargar());
        QVERIFY(!juego.Cargar());
        QCOMPARE(DeJuego(ventana.lista).size(), 3);
        QCOMPARE(DeJuego(ventana.lista)[1], noCarga);
        QCOMPARE(DeJuego(ventana.lista)[2], noCarga);
        QCOMPARE(juego.estado, (GameState{.lugar = 1}));
    }

    void guardarYCargar()
    {
        Partida partida;
        auto& [ventana, fichero, juego] = partida;
        juego.estado = GameState{.lugar = Patio, .astilla = 1, .hierro = 1, .manzana = 2};
        QVERIFY(juego.Guardar());
        QVERIFY(juego.Guardar());
        QCOMPARE(DeJuego(ventana.lista).mid(1), (QStringList{u"Partida guardada"_s, u"Partida guardada"_s}));
        QCOMPARE(Contenido(), " 6  1  1  0  0  0  0  0  0  0  0  0  0  2  0  0 \r\n");

        ventana.ordenes = u"usar pasillo";
        juego.Pulsar(Mando::Intro);
        QCOMPARE(juego.estado.lugar, Aseo);
        QVERIFY(!ventana.personajeVisible);

        ventana.ordenes = u"a medias";
        QVERIFY(juego.Cargar());
        QCOMPARE(juego.estado, (GameState{.lugar = Patio, .astilla = 1, .hierro = 1, .manzana = 2}));
        QCOMPARE(DeJuego(ventana.image3), u"pozo.jpg"_s);
        QCOMPARE(DeJuego(ventana.image2), u"tonto.jpg"_s);
        QVERIFY(ventana.personajeVisible);
        QVERIFY(ventana.lista.empty());
        QVERIFY(ventana.ordenes.empty());
    }

    void cargarUnLugarSinPersonaje()
    {
        Escribir(" 3  0  1  0  0  0  0  0  0  0  0  0  0  0  0  0 \r\n");
        Partida partida;
        auto& [ventana, fichero, juego] = partida;
        juego.Cargar();
        QCOMPARE(juego.estado.lugar, Garaje);
        QCOMPARE(DeJuego(ventana.image3), u"garaje.jpg"_s);
        QVERIFY(!ventana.personajeVisible);
    }

    // Progress fields with unusual values load as they are.
    void valoresRaros()
    {
        Escribir("8 -4 7 0 0 0 0 0 0 0 0 5 0 0 0 0");
        Partida partida;
        partida.juego.Cargar();
        QCOMPARE(partida.juego.estado, (GameState{.lugar = 8, .astilla = -4, .hierro = 7, .ingredientes = 5}));
    }

    // A save that cannot be written leaves the old file as it was.
    void guardarFalla()
    {
        Escribir("viejo");
        Partida partida;
        auto& [ventana, fichero, juego] = partida;

        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite{};
        getrlimit(RLIMIT_FSIZE, &limite);
        const rlimit antes = limite;
        limite.rlim_cur = 8;
        setrlimit(RLIMIT_FSIZE, &limite);
        const bool guardada = juego.Guardar();
        setrlimit(RLIMIT_FSIZE, &antes);
        QVERIFY(!guardada);

        QCOMPARE(DeJuego(ventana.lista).last(), u"No se ha podido guardar la partida."_s);
        QCOMPARE(Contenido(), "viejo");
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{u"partida"_s});

        juego.Guardar();
        QCOMPARE(DeJuego(ventana.lista).last(), u"Partida guardada"_s);
        QCOMPARE(Contenido(), " 1  0  0  0  0  0  0  0  0  0  0  0  0  0  0  0 \r\n");
    }
};

QTEST_GUILESS_MAIN(TestPartida)
#include "test_partida.moc"
