#include "screens/final.h"

#include "ui/cadenas.h"
#include "world/textos_final.h"
#include "ui/disposicion.h"
#include "ui/trazos.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

// Top, width and height of Label1 to Label13, which all stand at left 240;
// the first and the last are headings in a larger type.
struct Renglon {
    int arriba, ancho, alto;
    bool titular = false;
};

const std::array<Renglon, 13> renglones = {{
    {240, 5175, 375, true},
    {720, 5775, 255},
    {1200, 4095, 255},
    {1440, 5775, 255},
    {1920, 7575, 495},
    {2520, 1815, 255},
    {2760, 4695, 255},
    {3000, 2895, 255},
    {3240, 5415, 255},
    {3720, 5055, 495},
    {4440, 5415, 495},
    {5160, 6495, 615},
    {6120, 1095, 375, true},
}};

} // namespace

Final::Final(QWidget* padre) : Marco(padre)
{
    setObjectName(u"Final"_s);
    setWindowTitle(u"El monje Talpín"_s);
    setFixedSize(Px(7785), Px(6540));
    setFont(Letra(u"MS Sans Serif"_s, 8.25));
    PintarFondo(this);

    // Line13 parts the narration from the dialogue; Line1 to Line12 frame
    // the three narrations that change the scene.
    const QList<Linea*> lineas = Trazar(this, QList<Trazo>{{240, 1080, 6000, 1080}}
                                                  + Rectangulo(120, 1800, 7560, 2400)
                                                  + Rectangulo(120, 3600, 7440, 4200)
                                                  + Rectangulo(120, 5040, 7440, 5880));
    lineas.front()->setObjectName(u"Line13"_s);
    for (qsizetype i = 1; i < lineas.size(); ++i)
        lineas[i]->setObjectName(u"Line%1"_s.arg(i));

    for (qsizetype i = 0; i < qsizetype(renglones.size()); ++i) {
        const Renglon& r = renglones[i];
        QLabel* etiqueta = Etiqueta(this, DeJuego(TextosFinal.at(std::size_t(i))), Caja(240, r.arriba, r.ancho, r.alto), true);
        etiqueta->setObjectName(u"Label%1"_s.arg(i + 1));
        if (r.titular)
            etiqueta->setFont(Letra(u"MS Sans Serif"_s, 12, true));
    }

    QPushButton* Command1 = Boton(this, u"Command1"_s, u"Salir"_s, Caja(6720, 6000, 975, 495));
    connect(Command1, &QPushButton::clicked, this, &Final::terminar);
    Encajar(this);
}

void Final::closeEvent(QCloseEvent* evento)
{
    evento->accept();
    emit terminar();
}
