// How long the program takes to show its title window, against a bare
// window with one label: each is started afresh as a child process, in
// turns, and timed until its window has painted once. Both the time on the
// clock and the processor time are given; on a busy machine the second
// says more.
// Run by hand: QT_QPA_PLATFORM=offscreen ./build/bench/bench_arranque [vueltas]
#include "screens/principal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int vueltasPorOmision = 40;
constexpr char soloTitulo[] = "--titulo";
constexpr char soloDesnuda[] = "--desnuda";

// Notes the first paint of the window it watches.
class Pintura final : public QObject {
public:
    bool hecha = false;

    bool eventFilter(QObject*, QEvent* evento) override
    {
        hecha = hecha || evento->type() == QEvent::Paint;
        return false;
    }
};

// The child: one window, shown and painted, then out at once (tearing
// down is no part of starting).
[[noreturn]] void Mostrar(int argc, char* argv[], bool titulo)
{
    QApplication aplicacion(argc, argv);
    std::unique_ptr<QWidget> ventana;
    if (titulo) {
        ventana = std::make_unique<Principal>();
    } else {
        ventana = std::make_unique<QWidget>();
        new QLabel(u"El monje Talpín"_s, ventana.get());
    }
    Pintura pintura;
    ventana->installEventFilter(&pintura);
    ventana->show();
    // The window and its controls paint in one pass, within one event.
    while (!pintura.hecha)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::_Exit(EXIT_SUCCESS);
}

// Processor time of the children that have ended, in nanoseconds.
qint64 TiempoDeHijos()
{
    rusage uso{};
    getrusage(RUSAGE_CHILDREN, &uso);
    const auto ns = [](const timeval& t) { return qint64(t.tv_sec) * 1'000'000'000 + qint64(t.tv_usec) * 1'000; };
    return ns(uso.ru_utime) + ns(uso.ru_stime);
}

struct Tiempos {
    std::vector<qint64> reloj, procesador;
};

void Arrancar(const QString& programa, const char* cual, Tiempos& tiempos)
{
    const qint64 antes = TiempoDeHijos();
    QElapsedTimer reloj;
    reloj.start();
    QProcess hijo;
    hijo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    hijo.start(programa, {QLatin1StringView(cual)});
    if (!hijo.waitForFinished() || hijo.exitCode() != EXIT_SUCCESS) {
        std::fprintf(stderr, "bench_arranque: %s failed\n", cual);
        std::exit(EXIT_FAILURE);
    }
    tiempos.reloj.push_back(reloj.nsecsElapsed());
    tiempos.procesador.push_back(TiempoDeHijos() - antes);
}

double MedianaMs(std::vector<qint64> tiempos)
{
    std::nth_element(tiempos.begin(), tiempos.begin() + tiempos.size() / 2, tiempos.end());
    return tiempos[tiempos.size() / 2] / 1e6;
}

void Informar(const char* que, const std::vector<qint64>& titulo, const std::vector<qint64>& desnuda)
{
    const double msTitulo = MedianaMs(titulo);
    const double msDesnuda = MedianaMs(desnuda);
    std::printf("%-11s título %6.1f ms, ventana desnuda %6.1f ms, razón %.2f\n", que, msTitulo, msDesnuda,
                msTitulo / msDesnuda);
}

} // namespace

int main(int argc, char* argv[])
{
    const QByteArrayView pedido = argc > 1 ? argv[1] : "";
    if (pedido == soloTitulo || pedido == soloDesnuda)
        Mostrar(argc, argv, pedido == soloTitulo);

    QCoreApplication aplicacion(argc, argv);
    const int vueltas = argc > 1 ? std::max(1, std::atoi(argv[1])) : vueltasPorOmision;
    const QString programa = QCoreApplication::applicationFilePath();

    // Taken in turns, so a busy moment of the machine weighs on both.
    Tiempos titulo, desnuda;
    for (int i = 0; i < vueltas; ++i) {
        Arrancar(programa, soloDesnuda, desnuda);
        Arrancar(programa, soloTitulo, titulo);
    }
    std::printf("mediana de %d arranques de cada una:\n", vueltas);
    Informar("reloj:", titulo.reloj, desnuda.reloj);
    Informar("procesador:", titulo.procesador, desnuda.procesador);
    return EXIT_SUCCESS;
}
