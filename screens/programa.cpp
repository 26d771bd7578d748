#include "screens/programa.h"

#include "screens/final.h"
#include "screens/principal.h"
#include "screens/sobre_autor.h"
#include "ui/primero.h"

#include <QGuiApplication>

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
        // Beside the title window.
        autor->move(principal->frameGeometry().topRight() + QPoint(8, 0));
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
