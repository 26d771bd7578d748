#include "jugar_texto.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString inicio = u"Estás en la casa de Fray Supremus, también te acompaña Fray Cabronus."_s;

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
