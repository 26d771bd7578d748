#include "screens/sobre_autor.h"

#include "ui/controles.h"
#include "ui/disposicion.h"

#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

SobreAutor::SobreAutor(QWidget* padre) : Marco(PantallaSobreAutor(), padre, Qt::Window)
{
    const Pantalla& pantalla = PantallaSobreAutor();
    setAttribute(Qt::WA_DeleteOnClose);

    for (const Control& control : pantalla.controles) {
        if (control.clase == Clase::Foto)
            NuevaFoto(this, pantalla, control.nombre);
        else if (control.clase == Clase::Rotulo)
            NuevaEtiqueta(this, pantalla, control.nombre);
    }
    QPushButton* Command1 = NuevoBoton(this, pantalla, "Command1");
    connect(Command1, &QPushButton::clicked, this, &QWidget::hide);
    Encajar(this);
}
