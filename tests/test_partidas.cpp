// Whole games played through talpin-texto. Each file in tests/partidas/ is a
// session as the player sees it: the lines before the first "> " line are what
// the game prints at start, "> " lines are typed, the lines after them are what
// it must print then; lines starting with "#" are notes.
#include "jugar_texto.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestPartidas : public QObject {
    Q_OBJECT

private slots:
    void jugar_data()
    {
        QTest::addColumn<QString>("fichero");
        const QDir carpeta(QStringLiteral(PARTIDAS));
        for (const QString& nombre : carpeta.entryList({u"*.txt"_s}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(nombre)) << carpeta.filePath(nombre);
    }

    void jugar()
    {
        QFETCH(QString, fichero);
        QFile guion(fichero);
        QVERIFY(guion.open(QIODevice::ReadOnly | QIODevice::Text));
        QByteArray entrada;
        QStringList esperado;
        QStringList lineas = QString::fromUtf8(guion.readAll()).split(u'\n');
        lineas.removeLast(); // after the file's last line break
        for (const QString& linea : std::as_const(lineas)) {
            if (linea.startsWith(u"> "_s))
                entrada += linea.sliced(2).toUtf8() + '\n';
            else if (!linea.startsWith(u'#'))
                esperado.append(linea);
        }
        esperado.append(QString()); // after the output's last line break

        // A fresh folder: the game may save, and no earlier save may leak in.
        QTemporaryDir carpeta;
        const Salida juego = Jugar(entrada, carpeta.path());
        QCOMPARE(juego.estado, 0);

        const QStringList salida = juego.texto.split(u'\n');
        for (qsizetype i = 0; i < qMin(salida.size(), esperado.size()); ++i)
            QCOMPARE(salida[i], esperado[i]);
        QCOMPARE(salida.size(), esperado.size());
    }
};

QTEST_GUILESS_MAIN(TestPartidas)
#include "test_partidas.moc"
