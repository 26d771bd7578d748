#include "screens/programa.h"

#include "screens/final.h"
#include "screens/principal.h"
#include "screens/sobre_autor.h"
#include "ui/primero.h"

#include "ui/disposicion.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// Between the title window and the about-the-author window beside it.
constexpr int hueco = 8;

} // namespace

Programa::Programa()
{
    // The title and game windows hide one another; the program ends only
    // where the player leaves it.
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

Programa::~Programa()
{
    delete autor;
}

SobreAutor* Programa::VentanaAutor() const
{
    return autor;
}

void Programa::Empezar()
{
    principal = std::make_unique<Principal>();
    connect(principal.get(), &Principal::jugar, this, &Programa::Jugar);
    connect(principal.get(), &Principal::verAutor, this, &Programa::VerAutor);
    connect(principal.get(), &Principal::terminar, this, &Programa::terminado);
    principal->show();
}

void Programa::Jugar()
{
    principal->hide();
    if (!primero) {
        primero = std::make_unique<Primero>();
        connect(primero.get(), &Primero::menuPrincipal, this, &Programa::VolverAlMenu);
        connect(primero.get(), &Primero::ganado, this, &Programa::Ganar);
        connect(primero.get(), &Primero::terminar, this, &Programa::terminado);
    }
    primero->show();
}

void Programa::VolverAlMenu()
{
    primero->hide();
    principal->show();
}

void Programa::VerAutor()
{
    if (!autor) {
        autor = new SobreAutor();
        // Not shown yet, it has no frame: take the title window's.
        const QRect titulo = principal->frameGeometry();
        const QSize marco = titulo.size() - principal->size();
        autor->move(AlLado(titulo, autor->size() + marco, principal->screen()->availableGeometry(), hueco));
    }
    autor->show();
    autor->raise();
}

void Programa::Ganar()
{
    primero->hide();
    if (!final_) {
        final_ = std::make_unique<Final>();
        connect(final_.get(), &Final::terminar, this, &Programa::terminado);
    }
    final_->show();
}
