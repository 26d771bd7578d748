#include "screens/principal.h"

#include "screens/historia.h"
#include "ui/disposicion.h"
#include "ui/foto.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

Principal::Principal(QWidget* padre) : QMainWindow(padre)
{
    setObjectName(u"Principal"_s);
    setWindowTitle(u"El monje Talpín"_s);

    QMenu* archivo = menuBar()->addMenu(u"&Archivo"_s);
    archivo->setObjectName(u"archivo"_s);
    archivo->addAction(u"So&bre el autor"_s, this, &Principal::verAutor)->setObjectName(u"autor"_s);
    archivo->addAction(u"A&cerca de ..."_s, this, &Principal::AcercaDe)->setObjectName(u"acercade"_s);
    archivo->addAction(u"&Salir"_s, this, &Principal::terminar)->setObjectName(u"alacaca"_s);

    // The client area below the menu bar; the menu keeps the system's font.
    auto* area = new QWidget(this);
    area->setFixedSize(Px(9630), Px(5715));
    area->setFont(Letra(u"Tempus Sans ITC"_s, 8.25, true));
    PintarFondo(area);
    setCentralWidget(area);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    auto* Image1 = new Foto(area, Caja(600, 120, 1545, 2415));
    Image1->setObjectName(u"Image1"_s);
    Image1->setAccessibleName(u"El monje Talpín"_s);
    Image1->setAccessibleDescription(u"Dibujo de Talpín con un frasco en las manos"_s);
    CargarGuardada(Image1, u"titulo.jpg"_s);

    Rotulo(area, "Label1", u"TROMBULIX JUEGOS    "_s, Caja(120, 2640, 2655, 255), Letra(u"Mistral"_s, 13.5, true));
    Rotulo(area, "Label2", u"Presenta ..."_s, Caja(960, 3120, 1095, 255), Letra(u"Modern"_s, 10.5, true));

    // Its font first: the caption is measured as it is set.
    auto* Frame2 = new QGroupBox(area);
    Frame2->setObjectName(u"Frame2"_s);
    Frame2->setGeometry(Caja(3240, 480, 6132, 3252));
    Frame2->setFont(Letra(u"MS Sans Serif"_s, 9.75, true));
    Frame2->setTitle(u" HISTORIA "_s);
    // An etched frame with its caption across the top edge.
    Frame2->setStyleSheet(u"QGroupBox { border: 2px groove palette(mid); margin-top: 6px; }"
                          u"QGroupBox::title { subcontrol-origin: margin; left: 6px; }"_s);
    QLabel* Label5 = Etiqueta(Frame2, Historia(), Caja(120, 360, 5892, 2772), true);
    Label5->setObjectName(u"Label5"_s);
    Label5->setFont(Letra(u"MS Sans Serif"_s, 8.25));

    Rotulo(area, "Label3", u"EL MONJE TALPÍN"_s, Caja(3480, 4200, 4335, 615),
           Letra(u"Monotype Corsiva"_s, 24, true, true));

    QPushButton* Command1 = Boton(area, u"Command1"_s, u"Juego"_s, Caja(120, 5160, 1332, 372));
    Command1->setFont(Letra(u"MS Sans Serif"_s, 8.25));
    connect(Command1, &QPushButton::clicked, this, &Principal::jugar);

    Rotulo(area, "Label6", u"En ..."_s, Caja(3600, 5280, 492, 252), Letra(u"MS Sans Serif"_s, 8.25));
    Rotulo(area, "Label4", u"\" El único héroe \""_s, Caja(4800, 5160, 1815, 375),
           Letra(u"Arial Rounded MT Bold"_s, 9.75, true));

    Command1->setFocus();
    Encajar(area);
}

void Principal::AcercaDe()
{
    QMessageBox acerca(QMessageBox::NoIcon, u"Acerca de ..."_s,
                       u"© 2003 Trombulix Juegos, equipo Monjes Locos: El monje Talpín, \" El único héroe \""_s,
                       QMessageBox::Ok, this);
    acerca.exec();
}

void Principal::closeEvent(QCloseEvent* evento)
{
    evento->accept();
    emit terminar();
}
