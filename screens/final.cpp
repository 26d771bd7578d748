#include "screens/final.h"

#include "ui/cadenas.h"
#include "ui/controles.h"
#include "world/textos_final.h"
#include "ui/disposicion.h"
#include "ui/trazos.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

Final::Final(QWidget* padre) : Marco(PantallaFinal(), padre)
{
    const Pantalla& pantalla = PantallaFinal();
    LeerAlAbrir();

    // Line13 parts the narration from the dialogue; Line1 to Line12 frame
    // the three narrations that change the scene.
    const QList<Linea*> lineas = Trazar(this, pantalla.trazos);
    lineas.front()->setObjectName(u"Line13"_s);
    for (qsizetype i = 1; i < lineas.size(); ++i)
        lineas[i]->setObjectName(u"Line%1"_s.arg(i));

    // The ending's texts, top to bottom, in its paragraphs.
    std::size_t texto = 0;
    for (const Control& control : pantalla.controles)
        if (control.clase == Clase::Parrafo)
            NuevaEtiqueta(this, pantalla, control.nombre, true, DeJuego(TextosFinal.at(texto++)));

    QPushButton* Command1 = NuevoBoton(this, pantalla, "Command1");
    connect(Command1, &QPushButton::clicked, this, &Final::terminar);
    Encajar(this);
}

void Final::closeEvent(QCloseEvent* evento)
{
    evento->accept();
    emit terminar();
}
