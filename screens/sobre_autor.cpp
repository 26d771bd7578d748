#include "screens/sobre_autor.h"

#include "ui/disposicion.h"
#include "ui/foto.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

SobreAutor::SobreAutor(QWidget* padre) : QWidget(padre, Qt::Window)
{
    setObjectName(u"SobreAutor"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Sobre el autor"_s);
    setFixedSize(Px(7905), Px(7200));
    setFont(Letra(u"MS Sans Serif"_s, 8.25));
    PintarFondo(this);

    CargarGuardada(new Foto(this, Caja(120, 120, 2865, 5610)), u"autor.jpg"_s);
    CargarGuardada(new Foto(this, Caja(3120, 120, 4620, 3465)), u"logo.bmp"_s);

    Etiqueta(this, u"Trombulix Juegos S.A."_s, Caja(3120, 3720, 2055, 255))
        ->setFont(Letra(u"Pristina"_s, 10.5, true));
    Etiqueta(this, u"Equipo Monjes Locos"_s, Caja(3120, 3960, 3015, 255))
        ->setFont(Letra(u"MS Sans Serif"_s, 8.25, false, true));
    Etiqueta(this, u"Gráficos, y programación"_s, Caja(3120, 4440, 1815, 255));
    Etiqueta(this, u"por Taller Capucha"_s, Caja(3120, 4680, 2775, 255))
        ->setFont(Letra(u"Arial"_s, 10.5, true, true));
    Etiqueta(this, u"Desde Villafraile"_s, Caja(3120, 4920, 1935, 255))
        ->setFont(Letra(u"Arial Black"_s, 7.5, true, true));
    Etiqueta(this, u"Para cualquier duda, escribe a talpin@example.org"_s, Caja(120, 6480, 4332, 252));
    Etiqueta(this, u"Visita www.example.org"_s, Caja(120, 6720, 2172, 252));

    auto* Command1 = new QPushButton(u"Volver"_s, this);
    Command1->setObjectName(u"Command1"_s);
    Command1->setGeometry(Caja(6600, 6360, 1092, 612));
    connect(Command1, &QPushButton::clicked, this, &QWidget::hide);
    NoRecortar(this);
}
