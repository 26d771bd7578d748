#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class Final;
class Primero;
class Principal;
class SobreAutor;

// The four windows of a run. Each exists at most once, is created the first
// time it is shown and is kept while hidden; only the about-the-author
// window may be closed and come back anew. Hidden windows never keep the
// program alive: it ends only through terminado().
class Programa final : public QObject {
    Q_OBJECT

public:
    Programa();
    ~Programa() override;

    // Opens the title window.
    void Empezar();

    // The windows, or null while they don't exist.
    Principal* VentanaPrincipal() const { return principal.get(); }
    Primero* VentanaJuego() const { return primero.get(); }
    SobreAutor* VentanaAutor() const;
    Final* VentanaFinal() const { return final_.get(); }

signals:
    // The player has left: end the program now, whatever windows are open.
    void terminado();

private:
    void Jugar();
    void VolverAlMenu();
    void VerAutor();
    void Ganar();

    std::unique_ptr<Principal> principal;
    std::unique_ptr<Primero> primero;
    QPointer<SobreAutor> autor;
    std::unique_ptr<Final> final_;
};
