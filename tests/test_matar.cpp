// Kills talpin-texto mid-save: once just before the rename that completes a
// save, and then at random moments while it saves again and again. After
// each kill the save on disk is absent or whole, one of the states saved,
// and any file beside it is a leftover the sweep takes; after the next save
// it stands alone in its folder.
#include "parada_al_guardar.h"

#include "plataforma/restos.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int muertes = 200;
constexpr quint32 semilla = 20240610;
constexpr int espera = 10000; // ms for anything that should be quick

// A walk through the street, the first kitchen, the garage and the gate that
// changes the state at most steps. Each step is saved. Short, so that the
// kills come quick.
const QByteArray paseo = "usar puerta\n:guardar\ncoger hierro\n:guardar\nretro\n:guardar\n"
                         "usar garaje\n:guardar\nusar salida\n:guardar\nretro\n:guardar\n"
                         "retro\n:guardar\ncoger astilla\n:guardar\n";

const QString guardada = u"Partida guardada"_s;
constexpr char sinGuardar[] = "talpin-texto never said it saved";

QByteArray Leer(const QString& ruta)
{
    QFile fichero(ruta);
    return fichero.open(QIODevice::ReadOnly) ? fichero.readAll() : QByteArray();
}

QStringList Ficheros(const QString& carpeta)
{
    return QDir(carpeta).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// talpin-texto in `carpeta`, once it has made its first save.
bool Arrancar(QProcess& proceso, const QString& carpeta)
{
    proceso.setWorkingDirectory(carpeta);
    proceso.start(QStringLiteral(TALPIN_TEXTO), {});
    proceso.write(":guardar\n");
    QByteArray salida;
    while (!salida.contains(guardada.toUtf8())) {
        if (!proceso.waitForReadyRead(espera))
            return false;
        salida += proceso.readAllStandardOutput();
    }
    return true;
}

// talpin-texto started with the library that stops it before a save's
// rename, and the orders. The temporary file it was about to rename, once
// it says so; empty if it said nothing for `espera` ms or ended.
QString Parada(QProcess& proceso, const QString& carpeta, const QByteArray& ordenes)
{
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(u"LD_PRELOAD"_s, QStringLiteral(PARADA_AL_GUARDAR));
    proceso.setProcessEnvironment(entorno);
    proceso.setWorkingDirectory(carpeta);
    proceso.setReadChannel(QProcess::StandardError);
    proceso.start(QStringLiteral(TALPIN_TEXTO), {});
    proceso.write(ordenes);
    for (;;) {
        while (proceso.canReadLine()) {
            const QByteArray linea = proceso.readLine().trimmed();
            if (linea.startsWith(avisoParada))
                return QFileInfo(QFile::decodeName(linea.mid(qsizetype(sizeof avisoParada) - 1))).fileName();
        }
        if (!proceso.waitForReadyRead(espera))
            return {};
    }
}

} // namespace

class TestMatar : public QObject {
    Q_OBJECT

    QTemporaryDir carpeta;
    QSet<QByteArray> estados; // every save the walk makes, as it is written
    qint64 duracion = 0;      // µs the walk takes to run

private slots:
    // One run without a kill: what the saves hold, and how long they take.
    void initTestCase()
    {
        QVERIFY(carpeta.isValid());
        QProcess proceso;
        QVERIFY2(Arrancar(proceso, carpeta.path()), sinGuardar);
        estados.insert(Leer(carpeta.filePath(u"partida"_s)));
        QElapsedTimer reloj;
        reloj.start();
        proceso.write(QByteArray(paseo).replace(":guardar\n", ":estado\n:guardar\n"));
        proceso.closeWriteChannel();
        QVERIFY(proceso.waitForFinished(espera));
        duracion = reloj.nsecsElapsed() / 1000;

        // :estado prints the saved line without its CR LF.
        static const QRegularExpression linea(u"^[ -][0-9]+( [ -][0-9]+){15} $"_s,
                                              QRegularExpression::MultilineOption);
        const QString salida = QString::fromUtf8(proceso.readAllStandardOutput());
        for (const auto& encontrada : linea.globalMatch(salida))
            estados.insert(encontrada.captured().toUtf8() + "\r\n");
        QVERIFY(estados.size() > 5);
        qInfo("the walk saves for %lld ms", duracion / 1000);
        QVERIFY(estados.contains(Leer(carpeta.filePath(u"partida"_s))));
    }

    // Killed between writing the new save and putting it in place: the old
    // one stays, and the next game's first save sweeps the new one away.
    void matarAntesDeRenombrar()
    {
        const QString partida = carpeta.filePath(u"partida"_s);
        const QByteArray antes = Leer(partida);
        QProcess parado;
        const QString temporal = Parada(parado, carpeta.path(), "usar puerta\n:guardar\n");
        QVERIFY2(!temporal.isEmpty(), "talpin-texto never came to the rename of its save");
        parado.kill();
        QVERIFY(parado.waitForFinished(espera));
        QCOMPARE(Leer(partida), antes);
        QCOMPARE(Ficheros(carpeta.path()), (QStringList{u"partida"_s, temporal}));
        QVERIFY2(EsResto(partida.toStdString(), temporal.toStdString()), qPrintable(temporal));

        QProcess siguiente;
        QVERIFY2(Arrancar(siguiente, carpeta.path()), sinGuardar);
        QCOMPARE(Ficheros(carpeta.path()), QStringList{u"partida"_s});
        siguiente.closeWriteChannel();
        QVERIFY(siguiente.waitForFinished(espera));
    }

    void matarMientrasGuarda()
    {
        QRandomGenerator azar(semilla);
        const QString partida = carpeta.filePath(u"partida"_s);

        int restos = 0;
        for (int matados = 0; matados < muertes; ++matados) {
            QProcess proceso;
            QVERIFY2(Arrancar(proceso, carpeta.path()), sinGuardar);
            // The first save has cleared whatever an earlier kill left.
            QCOMPARE(Ficheros(carpeta.path()), QStringList{u"partida"_s});

            proceso.write(paseo);
            QThread::usleep(azar.bounded(duracion));
            QCOMPARE(proceso.state(), QProcess::Running); // it waits for more orders
            proceso.kill();
            QVERIFY(proceso.waitForFinished(espera));

            if (QFile::exists(partida))
                QVERIFY2(estados.contains(Leer(partida)), Leer(partida).constData());
            for (const QString& fichero : Ficheros(carpeta.path())) {
                if (fichero == u"partida"_s)
                    continue;
                QVERIFY2(EsResto(partida.toStdString(), fichero.toStdString()), qPrintable(fichero));
                ++restos;
            }
        }

        QProcess ultimo;
        QVERIFY2(Arrancar(ultimo, carpeta.path()), sinGuardar);
        QCOMPARE(Ficheros(carpeta.path()), QStringList{u"partida"_s});
        ultimo.closeWriteChannel();
        QVERIFY(ultimo.waitForFinished(espera));
        qInfo("%d kills, %d files left beside the save and cleared by the next", muertes, restos);
    }
};

QTEST_GUILESS_MAIN(TestMatar)
#include "test_matar.moc"
