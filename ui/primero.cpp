#include "ui/primero.h"

#include "core/graficos.h"
#include "ui/disposicion.h"
#include "ui/foto.h"
#include "ui/trazos.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

Primero::Primero(QWidget* padre) : QWidget(padre), juego(*this)
{
    setObjectName(u"Primero"_s);
    setWindowTitle(u"El monje Talpín"_s);
    setFixedSize(Px(10185), Px(7320));
    setFont(Letra(u"MS Sans Serif"_s, 8.25));
    PintarFondo(this);
    Construir();
}

void Primero::Construir()
{
    QList<Trazo> trazos = Rectangulo(120, 120, 2400, 4080)   // the character
                          + Rectangulo(7800, 120, 9960, 4080) // Talpín
                          + Rectangulo(120, 6000, 4680, 7080) // the verbs
                          + Rectangulo(6120, 5520, 9840, 7080); // the buttons
    // The open outline around the messages.
    trazos += {{1200, 4320, 10080, 4320},
               {10080, 4320, 10080, 5280},
               {4320, 5280, 10080, 5280},
               {5880, 5280, 5880, 6000},
               {4680, 6000, 5880, 6000}};
    new Trazos(this, trazos);

    Image2 = new Foto(this, Caja(360, 240, 1920, 3465));
    Image2->setObjectName(u"Image2"_s);
    CargarGuardada(Image2, u"cabronus.jpg"_s);
    connect(Image2, &Foto::pulsada, this, [this] { juego.PulsarPersonaje(); });

    Image3 = new Foto(this, Caja(2760, 240, 4785, 3885));
    Image3->setObjectName(u"Image3"_s);
    CargarGuardada(Image3, u"calle.jpg"_s);
    connect(Image3, &Foto::pulsada, this, [this] { juego.DescribirLugar(); });

    CargarGuardada(new Foto(this, Caja(7920, 240, 1860, 3480)), u"talpin.jpg"_s);

    Etiqueta(this, u"Talpín"_s, Caja(9360, 3720, 495, 255));

    QPalette sombra = palette();
    sombra.setColor(QPalette::WindowText, colorSombra);
    QLabel* Label2 = Etiqueta(this, u"Mensajes."_s, Caja(120, 4200, 975, 255));
    Label2->setFont(Letra(u"Californian FB"_s, 10.5, true));
    Label2->setPalette(sombra);

    List1 = new QListWidget(this);
    List1->setObjectName(u"List1"_s);
    List1->setGeometry(Caja(120, 4440, 9855, 690));
    List1->setFont(Letra(u"Arial"_s, 8.25, true));
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    QLabel* Label1 = Etiqueta(this, u"Escribe aquí, las ordenes que quieras realizar."_s,
                              Caja(120, 5160, 4095, 255));
    Label1->setFont(Letra(u"Californian FB"_s, 10.5, true));
    Label1->setPalette(sombra);

    ordenes = new QLineEdit(this);
    ordenes->setObjectName(u"ordenes"_s);
    ordenes->setGeometry(Caja(120, 5400, 5655, 405));
    ordenes->installEventFilter(this);

    // The heading interrupts the top edge of the frame around the verbs.
    Etiqueta(this, u" Verbos a usar"_s, Caja(1800, 5880, 1095, 255))->setAutoFillBackground(true);

    struct FotoVerbo {
        const char* nombre;
        const char* fichero;
        Verbo verbo;
        QRect caja;
    };
    const FotoVerbo verbos[] = {
        {"Image4", "hablar.jpg", Verbo::Hablar, Caja(240, 6240, 780, 780)},
        {"Image5", "mirar.jpg", Verbo::Mirar, Caja(1200, 6240, 690, 765)},
        {"Image6", "usar.jpg", Verbo::Usar, Caja(2040, 6240, 675, 765)},
        {"Image7", "mentir.jpg", Verbo::Mentir, Caja(2880, 6240, 795, 735)},
        {"Image8", "coger.jpg", Verbo::Coger, Caja(3840, 6240, 690, 735)},
    };
    for (const FotoVerbo& verbo : verbos) {
        auto* foto = new Foto(this, verbo.caja);
        foto->setObjectName(QLatin1StringView(verbo.nombre));
        CargarGuardada(foto, QLatin1StringView(verbo.fichero));
        connect(foto, &Foto::pulsada, this, [this, pulsado = verbo.verbo] { juego.PulsarVerbo(pulsado); });
    }

    QPushButton* Guardar = Boton("Guardar", u"Guardar"_s, Caja(6240, 5640, 1092, 612));
    QPushButton* Cargar = Boton("Cargar", u"Cargar"_s, Caja(7440, 5640, 1092, 612));
    QPushButton* salir = Boton("salir", u"Menú Principal"_s, Caja(8640, 5640, 1092, 612));
    QPushButton* objetos = Boton("objetos", u"Objetos"_s, Caja(6240, 6360, 1095, 612));
    QPushButton* Salidas = Boton("Salidas", u"Salidas"_s, Caja(7440, 6360, 1095, 612));
    QPushButton* limpiar = Boton("limpiar", u"Limpiar"_s, Caja(8640, 6360, 1095, 612));
    connect(Guardar, &QPushButton::clicked, this, [this] { juego.Guardar(); });
    connect(Cargar, &QPushButton::clicked, this, [this] { juego.Cargar(); });
    connect(salir, &QPushButton::clicked, this, &Primero::menuPrincipal);
    connect(objetos, &QPushButton::clicked, this, [this] { juego.Objetos(); });
    connect(Salidas, &QPushButton::clicked, this, [this] { juego.Salidas(); });
    connect(limpiar, &QPushButton::clicked, this, [this] { juego.Limpiar(); });

    QWidget* orden[] = {List1, ordenes, limpiar, salir, Salidas, Guardar, objetos, Cargar};
    for (std::size_t i = 1; i < std::size(orden); ++i)
        setTabOrder(orden[i - 1], orden[i]);
    List1->setFocus();
    NoRecortar(this);
}

QPushButton* Primero::Boton(const char* nombre, const QString& texto, QRect caja)
{
    auto* boton = new QPushButton(texto, this);
    boton->setObjectName(QLatin1StringView(nombre));
    boton->setGeometry(caja);
    boton->setAutoDefault(false);
    return boton;
}

void Primero::showEvent(QShowEvent* evento)
{
    QWidget::showEvent(evento);
    if (!empezado) {
        empezado = true;
        juego.Empezar();
    }
}

void Primero::closeEvent(QCloseEvent* evento)
{
    evento->accept();
    emit terminar();
}

// Enter and Esc go to the game before the box sees them; the box then
// handles every key as usual.
bool Primero::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == ordenes && evento->type() == QEvent::KeyPress) {
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        if (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter)
            juego.Tecla(TeclaIntro);
        else if (tecla->key() == Qt::Key_Escape)
            juego.Tecla(TeclaEsc);
        else if (!tecla->text().isEmpty())
            juego.Tecla(tecla->text().front().unicode());
    }
    return QWidget::eventFilter(objeto, evento);
}

void Primero::VaciarLista() { List1->clear(); }

void Primero::AnadirLinea(const QString& linea) { List1->addItem(linea); }

QString Primero::LeerOrdenes() const { return ordenes->text(); }

void Primero::PonerOrdenes(const QString& texto)
{
    ordenes->setText(texto);
    ordenes->setCursorPosition(0);
}

void Primero::InsertarOrdenes(const QString& texto) { ordenes->insert(texto); }

void Primero::CargarImagen(Imagen imagen, const QString& fichero)
{
    Foto* foto = imagen == Imagen::Personaje ? Image2 : Image3;
    const QString ruta = RutaGrafico(fichero);
    // The double-size twin is looked for only where the screen can show it,
    // and beside its picture: a replaced picture must not get the old twin.
    const QString doble =
        foto->devicePixelRatioF() > 1 && !ruta.isEmpty() ? RutaJunto(ruta, NombreDoble(fichero)) : QString();
    foto->Cargar(ruta.isEmpty() ? u"graficos/"_s + fichero : ruta, doble);
}

void Primero::MostrarPersonaje(bool visible) { Image2->setVisible(visible); }

void Primero::MostrarFinal() { emit ganado(); }

void Primero::Despedirse(const QString& despedida)
{
    QMessageBox adios(QMessageBox::Warning, u"Salir"_s, despedida, QMessageBox::Ok, this);
    adios.exec();
    emit terminar();
}
