// How long one order takes: the worst case walks every row of the yard
// (17 + 16 phrases) and falls back. Run by hand: ./build/bench/bench_ordenes
#include "core/juego.h"
#include "texto/ventana_texto.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class BenchOrdenes : public QObject {
    Q_OBJECT

private slots:
    void ordenSinRespuesta()
    {
        VentanaTexto ventana;
        Juego juego(ventana);
        juego.estado.lugar = Patio;
        QBENCHMARK {
            ventana.ordenes = u"usar la escalera de mano con mucho cuidado para no caerme"_s;
            juego.Interpretar();
        }
    }
};

QTEST_GUILESS_MAIN(BenchOrdenes)
#include "bench_ordenes.moc"
