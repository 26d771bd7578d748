#include "screens/principal.h"

#include "ui/cadenas.h"
#include "ui/controles.h"
#include "ui/disposicion.h"
#include "world/antecedentes.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

const Pantalla& pantalla = PantallaPrincipal();

} // namespace

Principal::Principal(QWidget* padre) : QMainWindow(padre)
{
    setObjectName(Nombre(pantalla.nombre));
    setWindowTitle(DeJuego(pantalla.titulo));

    // The Archivo menu's items, each with its handler; the page alone has
    // the others, to move the saved game.
    const std::pair<std::string_view, void (Principal::*)()> opciones[] = {
        {"autor", &Principal::verAutor},
        {"acercade", &Principal::AcercaDe},
        {"alacaca", &Principal::terminar},
    };
    const Control& menu = Buscar(pantalla, "archivo");
    QMenu* archivo = menuBar()->addMenu(DeJuego(menu.texto));
    archivo->setObjectName(Nombre(menu.nombre));
    for (const auto& [nombre, accion] : opciones)
        archivo->addAction(DeJuego(Buscar(pantalla, nombre).texto), this, accion)->setObjectName(Nombre(nombre));

    // The client area below the menu bar; the menu keeps the system's font.
    auto* area = new QWidget(this);
    Disponer(area, pantalla);
    setCentralWidget(area);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    NuevaFoto(area, pantalla, "Image1");
    NuevaEtiqueta(area, pantalla, "Label1");
    NuevaEtiqueta(area, pantalla, "Label2");

    // Its font first: the caption is measured as it is set.
    const Control& marco = Buscar(pantalla, "Frame2");
    auto* Frame2 = new QGroupBox(area);
    Frame2->setObjectName(Nombre(marco.nombre));
    Frame2->setGeometry(Caja(marco.caja));
    Frame2->setFont(Letra(*marco.tipo));
    Frame2->setTitle(DeJuego(marco.texto));
    // An etched frame with its caption across the top edge.
    Frame2->setStyleSheet(u"QGroupBox { border: 2px groove palette(mid); margin-top: 6px; }"
                          u"QGroupBox::title { subcontrol-origin: margin; left: 6px; }"_s);
    NuevaEtiqueta(Frame2, pantalla, "Label5", true, DeJuego(Antecedentes()));

    NuevaEtiqueta(area, pantalla, "Label3");
    QPushButton* Command1 = NuevoBoton(area, pantalla, "Command1");
    connect(Command1, &QPushButton::clicked, this, &Principal::jugar);
    NuevaEtiqueta(area, pantalla, "Label6");
    NuevaEtiqueta(area, pantalla, "Label4");

    Command1->setFocus();
    Encajar(area);
}

void Principal::AcercaDe()
{
    MostrarMensaje(this, MensajeAcercaDe());
}

void Principal::closeEvent(QCloseEvent* evento)
{
    evento->accept();
    emit terminar();
}
