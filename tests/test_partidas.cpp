// Games played through talpin-texto. Each file in tests/partidas/ is a
// session as the player sees it: the lines before the first "> " line are
// what the game prints at start, "> " lines are typed, the lines after them
// are what it must print then; lines starting with "#" are notes. A line
// "% lugar=2 astilla=1" starts a new game in a fresh folder whose saved game
// holds those fields (the others 0), ready for ":cargar".
#include "jugar_texto.h"
#include "partida_prueba.h"

#include "core/coincide.h"
#include "world/frases.h"
#include "core/partida.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;

namespace {

// One run of talpin-texto.
struct Tramo {
    std::optional<GameState> guardada;
    QStringList entrada;
    QStringList esperado;
    QList<int> renglones; // of each expected line in the file
};

QList<Tramo> LeerGuion(const QString& fichero)
{
    QFile guion(fichero);
    if (!guion.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(fichero));
    QStringList lineas = QString::fromUtf8(guion.readAll()).split(u'\n');
    lineas.removeLast(); // after the file's last line break

    QList<Tramo> tramos(1);
    for (qsizetype i = 0; i < lineas.size(); ++i) {
        const QString& linea = lineas[i];
        if (linea.startsWith(u"% "_s)) {
            if (!tramos.last().entrada.isEmpty())
                tramos.append(Tramo());
            GameState guardada;
            Partida::Poner(guardada, linea.sliced(2));
            tramos.last().guardada = guardada;
        } else if (linea.startsWith(u"> "_s)) {
            tramos.last().entrada.append(linea.sliced(2));
        } else if (!linea.startsWith(u'#')) {
            tramos.last().esperado.append(linea);
            tramos.last().renglones.append(int(i + 1));
        }
    }
    return tramos;
}

// Plays the lines in a fresh folder that holds the game's pictures and the
// tramo's saved game.
Salida JugarTramo(const Tramo& tramo, const QStringList& entrada)
{
    QTemporaryDir carpeta;
    QFile::link(QDir::current().absoluteFilePath(u"graficos"_s), carpeta.filePath(u"graficos"_s));
    if (tramo.guardada) {
        QFile partida(carpeta.filePath(u"partida"_s));
        if (!partida.open(QIODevice::WriteOnly) || partida.write(TextoPartida(*tramo.guardada).c_str()) < 0)
            return {};
    }
    return Jugar((entrada.join(u'\n') + u'\n').toUtf8(), carpeta.path());
}

bool EsOrden(const QString& linea) { return !linea.startsWith(u':'); }

QStringList Guiones()
{
    const QDir carpeta(QStringLiteral(PARTIDAS));
    QStringList ficheros;
    for (const QString& nombre : carpeta.entryList({u"*.txt"_s}, QDir::Files, QDir::Name))
        ficheros << carpeta.filePath(nombre);
    return ficheros;
}

} // namespace

class TestPartidas : public QObject {
    Q_OBJECT

private slots:
    void jugar_data()
    {
        QTest::addColumn<QString>("fichero");
        for (const QString& fichero : Guiones())
            QTest::newRow(qPrintable(QFileInfo(fichero).fileName())) << fichero;
    }

    void jugar()
    {
        QFETCH(QString, fichero);
        for (const Tramo& tramo : LeerGuion(fichero)) {
            const Salida juego = JugarTramo(tramo, tramo.entrada);
            QCOMPARE(juego.estado, 0);
            QCOMPARE(juego.errores, QString());
            QStringList salida = juego.texto.split(u'\n');
            salida.removeLast(); // after the output's last line break
            for (qsizetype i = 0; i < qMin(salida.size(), tramo.esperado.size()); ++i)
                QVERIFY2(salida[i] == tramo.esperado[i],
                         qPrintable(u"%1:%2: got «%3»"_s.arg(fichero).arg(tramo.renglones[i]).arg(salida[i])));
            QCOMPARE(salida.size(), tramo.esperado.size());
        }
    }

    // Every phrase row is the first to say some typed order of the scripts
    // in its place, so a wrong action wired to any row changes an answer.
    // Rows valid everywhere are tried in two places at least, so that one
    // tied to a single place is missed in the other.
    void cadaFraseTieneSuOrden()
    {
        static const QRegularExpression lineaDeEstado(u"^(?:[ -]\\d+ ){16}$"_s);
        const QString estado = u":estado"_s;
        std::array<QSet<std::int16_t>, TablaFrases.size()> dicha;
        for (const QString& fichero : Guiones()) {
            for (const Tramo& tramo : LeerGuion(fichero)) {
                // The place each order is typed in, from an ":estado" just
                // before it; the script's own ones would only confuse the count.
                QStringList entrada, ordenes;
                for (const QString& linea : tramo.entrada) {
                    if (EsOrden(linea)) {
                        entrada << estado;
                        ordenes << linea;
                    }
                    if (linea != estado)
                        entrada << linea;
                }
                const Salida juego = JugarTramo(tramo, entrada);
                QList<std::int16_t> lugares;
                for (const QString& linea : juego.texto.split(u'\n'))
                    if (lineaDeEstado.match(linea).hasMatch())
                        lugares << std::int16_t(linea.section(u' ', 0, 0, QString::SectionSkipEmpty).toShort());

                QVERIFY(lugares.size() <= ordenes.size());
                for (qsizetype i = 0; i < lugares.size(); ++i) {
                    const auto fila = std::find_if(TablaFrases.begin(), TablaFrases.end(), [&](const Frase& f) {
                        return (f.lugar == Cualquiera || f.lugar == lugares[i])
                               && Coincide(f.frase, ordenes[i].toStdU16String());
                    });
                    if (fila != TablaFrases.end())
                        dicha[fila - TablaFrases.begin()].insert(lugares[i]);
                }
            }
        }
        QStringList nunca;
        for (std::size_t i = 0; i < dicha.size(); ++i)
            if (dicha[i].size() < (TablaFrases[i].lugar == Cualquiera ? 2 : 1))
                nunca << u"row %1 «%2» in %3"_s.arg(i + 1).arg(DeJuego(TablaFrases[i].frase))
                             .arg(TablaFrases[i].lugar == Cualquiera ? u"every place"_s
                                                                     : u"place %1"_s.arg(TablaFrases[i].lugar));
        QVERIFY2(nunca.isEmpty(), qPrintable(nunca.join(u", "_s)));
    }
};

QTEST_GUILESS_MAIN(TestPartidas)
#include "test_partidas.moc"
