#pragma once

#include <QFile>
#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

// A FIFO where the game expects a file, with a watchdog: should the game
// block opening it, the watchdog opens the other end after a while, so the
// test goes on and fails instead of hanging.
class Tuberia {
public:
    explicit Tuberia(const QString& ruta) : ruta(QFile::encodeName(ruta))
    {
        creada = mkfifo(this->ruta.constData(), 0600) == 0;
        vigilante = std::thread([this] { Vigilar(); });
    }

    ~Tuberia() { Parar(); }

    bool Creada() const { return creada; }

    // Stops the watchdog; true when it had to free a reader stuck on the FIFO.
    bool Atascada()
    {
        Parar();
        return atascada;
    }

private:
    void Parar()
    {
        {
            const std::lock_guard<std::mutex> cierre(mutex);
            fin = true;
        }
        aviso.notify_all();
        if (vigilante.joinable())
            vigilante.join();
    }

    void Vigilar()
    {
        using namespace std::chrono_literals;
        std::unique_lock<std::mutex> cierre(mutex);
        if (aviso.wait_for(cierre, 3s, [this] { return fin; }))
            return;
        // Opening for writing without blocking succeeds only while a reader waits.
        while (!aviso.wait_for(cierre, 50ms, [this] { return fin; })) {
            const int escritor = ::open(ruta.constData(), O_WRONLY | O_NONBLOCK);
            if (escritor >= 0) {
                atascada = true;
                ::close(escritor);
            }
        }
    }

    QByteArray ruta;
    bool creada = false;
    std::atomic<bool> atascada = false;
    std::mutex mutex;
    std::condition_variable aviso;
    bool fin = false;
    std::thread vigilante;
};
