#include "screens/sobre_autor.h"

#include "ui/disposicion.h"
#include "ui/foto.h"

#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

SobreAutor::SobreAutor(QWidget* padre) : Marco(padre, Qt::Window)
{
    setObjectName(u"SobreAutor"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Sobre el autor"_s);
    setFixedSize(Px(7905), Px(7200));
    setFont(Letra(u"MS Sans Serif"_s, 8.25));
    PintarFondo(this);

    auto* Image1 = new Foto(this, Caja(120, 120, 2865, 5610));
    Image1->setObjectName(u"Image1"_s);
    Image1->setAccessibleName(u"Retrato del autor"_s);
    Image1->setAccessibleDescription(u"El autor con gafas, un mando de consola y un lápiz"_s);
    CargarGuardada(Image1, u"autor.jpg"_s);

    auto* Image2 = new Foto(this, Caja(3120, 120, 4620, 3465));
    Image2->setObjectName(u"Image2"_s);
    Image2->setAccessibleName(u"Trombulix Juegos"_s);
    Image2->setAccessibleDescription(u"El logotipo del estudio: diez años haciendo aventuras"_s);
    CargarGuardada(Image2, u"logo.bmp"_s);

    struct Credito {
        const char* nombre;
        QString texto;
        QRect caja;
        QFont letra;
    };
    const Credito creditos[] = {
        {"Label1", u"Trombulix Juegos S.A."_s, Caja(3120, 3720, 2055, 255), Letra(u"Pristina"_s, 10.5, true)},
        {"Label3", u"Equipo Monjes Locos"_s, Caja(3120, 3960, 3015, 255),
         Letra(u"MS Sans Serif"_s, 8.25, false, true)},
        {"Label7", u"Gráficos, y programación"_s, Caja(3120, 4440, 1815, 255), font()},
        {"Label5", u"por Taller Capucha"_s, Caja(3120, 4680, 2775, 255), Letra(u"Arial"_s, 10.5, true, true)},
        {"Label6", u"Desde Villafraile"_s, Caja(3120, 4920, 1935, 255), Letra(u"Arial Black"_s, 7.5, true, true)},
        {"Label4", u"Para cualquier duda, escribe a talpin@example.org"_s, Caja(120, 6480, 4332, 252), font()},
        {"Label2", u"Visita www.example.org"_s, Caja(120, 6720, 2172, 252), font()},
    };
    for (const Credito& credito : creditos)
        Rotulo(this, credito.nombre, credito.texto, credito.caja, credito.letra);

    QPushButton* Command1 = Boton(this, u"Command1"_s, u"Volver"_s, Caja(6600, 6360, 1092, 612));
    connect(Command1, &QPushButton::clicked, this, &QWidget::hide);
    Encajar(this);
}
