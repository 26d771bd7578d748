// How long one order takes: the worst case walks every row of the yard
// (17 + 16 phrases) and falls back. Run by hand: ./build/bench/bench_ordenes
// (or with -callgrind under valgrind for the instructions of one order).
#include "core/juego.h"
#include "core/ventana_memoria.h"
#include "plataforma/fichero_partida.h"
#include "world/historia.h"

#include <QTest>

class BenchOrdenes : public QObject {
    Q_OBJECT

private slots:
    void ordenSinRespuesta()
    {
        VentanaMemoria ventana;
        FicheroPartida fichero;
        Juego juego(ventana, fichero, ElMonjeTalpin());
        juego.estado.lugar = Patio;
        QBENCHMARK {
            ventana.ordenes = u"usar la escalera de mano con mucho cuidado para no caerme";
            juego.Pulsar(Mando::Intro);
        }
    }
};

QTEST_GUILESS_MAIN(BenchOrdenes)
#include "bench_ordenes.moc"
