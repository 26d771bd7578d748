#include "ui/primero.h"

#include "plataforma/graficos.h"
#include "ui/cadenas.h"
#include "ui/disposicion.h"
#include "ui/foto.h"
#include "ui/trazos.h"
#include "world/historia.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

Primero::Primero(QWidget* padre) : Marco(padre), juego(*this, partida, ElMonjeTalpin())
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
    Trazar(this, Rectangulo(120, 120, 2400, 4080)      // the character
                     + Rectangulo(7800, 120, 9960, 4080) // Talpín
                     + Rectangulo(120, 6000, 4680, 7080) // the verbs
                     + Rectangulo(6120, 5520, 9840, 7080) // the buttons
                     // the open outline around the messages
                     + QList<Trazo>{{1200, 4320, 10080, 4320},
                                    {10080, 4320, 10080, 5280},
                                    {4320, 5280, 10080, 5280},
                                    {5880, 5280, 5880, 6000},
                                    {4680, 6000, 5880, 6000}});

    Image2 = new Foto(this, Caja(360, 240, 1920, 3465));
    Image2->setObjectName(u"Image2"_s);
    Image2->setAccessibleDescription(u"El personaje que está aquí: pon su nombre en la orden"_s);
    CargarGuardada(Image2, u"cabronus.jpg"_s);
    connect(Image2, &Foto::pulsada, this, [this] { juego.PulsarPersonaje(); });

    Image3 = new Foto(this, Caja(2760, 240, 4785, 3885));
    Image3->setObjectName(u"Image3"_s);
    Image3->setAccessibleDescription(u"El lugar donde estás: descríbelo"_s);
    CargarGuardada(Image3, u"calle.jpg"_s);
    connect(Image3, &Foto::pulsada, this, [this] { juego.DescribirLugar(); });

    auto* Image1 = new Foto(this, Caja(7920, 240, 1860, 3480));
    Image1->setObjectName(u"Image1"_s);
    Image1->setAccessibleName(u"Talpín"_s);
    Image1->setAccessibleDescription(u"El protagonista, un monje con hábito"_s);
    CargarGuardada(Image1, u"talpin.jpg"_s);

    Etiqueta(this, u"Talpín"_s, Caja(9360, 3720, 495, 255))->setObjectName(u"Label3"_s);

    QPalette sombra = palette();
    sombra.setColor(QPalette::WindowText, colorSombra);
    QLabel* Label2 = Etiqueta(this, u"Mensajes."_s, Caja(120, 4200, 975, 255));
    Label2->setObjectName(u"Label2"_s);
    Label2->setFont(Letra(u"Californian FB"_s, 10.5, true));
    Label2->setPalette(sombra);

    List1 = new QListWidget(this);
    List1->setObjectName(u"List1"_s);
    List1->setGeometry(Caja(120, 4440, 9855, 690));
    List1->setFont(Letra(u"Arial"_s, 8.25, true));
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Label2->setBuddy(List1);
    List1->setAccessibleName(Label2->text());

    QLabel* Label1 = Etiqueta(this, u"Escribe aquí, las ordenes que quieras realizar."_s,
                              Caja(120, 5160, 4095, 255));
    Label1->setObjectName(u"Label1"_s);
    Label1->setFont(Letra(u"Californian FB"_s, 10.5, true));
    Label1->setPalette(sombra);

    ordenes = new QLineEdit(this);
    ordenes->setObjectName(u"ordenes"_s);
    ordenes->setGeometry(Caja(120, 5400, 5655, 405));
    ordenes->installEventFilter(this);
    Label1->setBuddy(ordenes);
    ordenes->setAccessibleName(Label1->text());

    // The heading interrupts the top edge of the frame around the verbs.
    QLabel* Label7 = Etiqueta(this, u" Verbos a usar"_s, Caja(1800, 5880, 1095, 255));
    Label7->setObjectName(u"Label7"_s);
    Label7->setAutoFillBackground(true);

    struct FotoVerbo {
        const char* nombre;
        const char* fichero;
        Verbo verbo;
        QRect caja;
        QString leido; // what a screen reader says
    };
    const FotoVerbo verbos[] = {
        {"Image4", "hablar.jpg", Verbo::Hablar, Caja(240, 6240, 780, 780), u"Hablar"_s},
        {"Image5", "mirar.jpg", Verbo::Mirar, Caja(1200, 6240, 690, 765), u"Mirar"_s},
        {"Image6", "usar.jpg", Verbo::Usar, Caja(2040, 6240, 675, 765), u"Usar"_s},
        {"Image7", "mentir.jpg", Verbo::Mentir, Caja(2880, 6240, 795, 735), u"Mentir"_s},
        {"Image8", "coger.jpg", Verbo::Coger, Caja(3840, 6240, 690, 735), u"Coger"_s},
    };
    QList<Foto*> fotos;
    for (const FotoVerbo& verbo : verbos) {
        auto* foto = new Foto(this, verbo.caja);
        foto->setObjectName(QLatin1StringView(verbo.nombre));
        foto->setAccessibleName(verbo.leido);
        foto->setAccessibleDescription(u"Escribe el verbo en la caja de órdenes"_s);
        CargarGuardada(foto, QLatin1StringView(verbo.fichero));
        connect(foto, &Foto::pulsada, this, [this, pulsado = verbo.verbo] { juego.PulsarVerbo(pulsado); });
        fotos.append(foto);
    }
    fotos << Image3 << Image2;
    for (Foto* foto : std::as_const(fotos))
        foto->AdmitirTeclado();

    QPushButton* Guardar = Boton(this, u"Guardar"_s, u"Guardar"_s, Caja(6240, 5640, 1092, 612));
    QPushButton* Cargar = Boton(this, u"Cargar"_s, u"Cargar"_s, Caja(7440, 5640, 1092, 612));
    QPushButton* salir = Boton(this, u"salir"_s, u"Menú Principal"_s, Caja(8640, 5640, 1092, 612));
    QPushButton* objetos = Boton(this, u"objetos"_s, u"Objetos"_s, Caja(6240, 6360, 1095, 612));
    QPushButton* Salidas = Boton(this, u"Salidas"_s, u"Salidas"_s, Caja(7440, 6360, 1095, 612));
    QPushButton* limpiar = Boton(this, u"limpiar"_s, u"Limpiar"_s, Caja(8640, 6360, 1095, 612));
    connect(Guardar, &QPushButton::clicked, this, [this] { juego.Guardar(); });
    connect(Cargar, &QPushButton::clicked, this, [this] { juego.Cargar(); });
    connect(salir, &QPushButton::clicked, this, &Primero::menuPrincipal);
    connect(objetos, &QPushButton::clicked, this, [this] { juego.Objetos(); });
    connect(Salidas, &QPushButton::clicked, this, [this] { juego.Salidas(); });
    connect(limpiar, &QPushButton::clicked, this, [this] { juego.Limpiar(); });

    // The window's own order first; the pictures, which only the keyboard
    // focuses, after it.
    QList<QWidget*> orden{List1, ordenes, limpiar, salir, Salidas, Guardar, objetos, Cargar};
    for (Foto* foto : std::as_const(fotos))
        orden.append(foto);
    for (qsizetype i = 1; i < orden.size(); ++i)
        setTabOrder(orden[i - 1], orden[i]);
    List1->setFocus();
    Encajar(this);
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

// Enter and Esc go to the game before the box sees them, and Up and Down
// to the orders sent before; the box then handles every other key as usual.
bool Primero::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == ordenes && evento->type() == QEvent::KeyPress) {
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        if (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter) {
            historial.Anotar(ordenes->text());
            juego.Tecla(TeclaIntro);
        } else if (tecla->key() == Qt::Key_Escape) {
            juego.Tecla(TeclaEsc);
        } else if (tecla->key() == Qt::Key_Up || tecla->key() == Qt::Key_Down) {
            Recordar(tecla->key());
            return true;
        } else if (!tecla->text().isEmpty()) {
            juego.Tecla(tecla->text().front().unicode());
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

void Primero::Recordar(int tecla)
{
    const std::optional<QString> orden = tecla == Qt::Key_Up ? historial.Anterior() : historial.Siguiente();
    // The caret goes to the end, to go on typing.
    if (orden)
        ordenes->setText(*orden);
}

void Primero::VaciarLista()
{
    List1->clear();
    Avisar();
}

void Primero::AnadirLinea(std::u16string_view linea)
{
    List1->addItem(DeJuego(linea));
    Avisar();
}

void Primero::Avisar()
{
    // One announcement for the whole answer, once its last line is in.
    if (!anuncioPendiente) {
        anuncioPendiente = true;
        QMetaObject::invokeMethod(this, &Primero::Anunciar, Qt::QueuedConnection);
    }
}

void Primero::Anunciar()
{
    anuncioPendiente = false;
    QStringList lineas;
    for (int i = 0; i < List1->count(); ++i)
        lineas << List1->item(i)->text();
    const QString respuesta = lineas.join(u'\n');
    // The list's description is the answer: a screen reader hears of the
    // change, and reading the list later says what it holds. The same answer
    // again is news again.
    if (List1->accessibleDescription() != respuesta) {
        List1->setAccessibleDescription(respuesta);
    } else if (!respuesta.isEmpty()) {
        QAccessibleEvent otraVez(List1, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&otraVez);
    }
}

std::u16string Primero::LeerOrdenes() const { return AlJuego(ordenes->text()); }

void Primero::PonerOrdenes(std::u16string_view texto)
{
    ordenes->setText(DeJuego(texto));
    ordenes->setCursorPosition(0);
}

void Primero::InsertarOrdenes(std::u16string_view texto) { ordenes->insert(DeJuego(texto)); }

void Primero::CargarImagen(Imagen imagen, std::u16string_view nombre)
{
    Foto* foto = imagen == Imagen::Personaje ? Image2 : Image3;
    const QString fichero = DeJuego(nombre);
    const QString ruta = DeRuta(RutaGrafico(Ruta(fichero)));
    // The double-size twin is looked for only where the screen can show it,
    // and beside its picture: a replaced picture must not get the old twin.
    const QString doble = foto->devicePixelRatioF() > 1 && !ruta.isEmpty()
                              ? DeRuta(RutaJunto(Ruta(ruta), Ruta(NombreDoble(fichero))))
                              : QString();
    foto->Cargar(ruta.isEmpty() ? u"graficos/"_s + fichero : ruta, doble);
    NombrarFotos();
}

void Primero::NombrarFotos()
{
    Image3->setAccessibleName(DeJuego(juego.NombreLugar()));
    // Where nobody stands the hidden picture keeps its last character.
    const QString personaje = DeJuego(juego.NombrePersonaje());
    if (!personaje.isEmpty())
        Image2->setAccessibleName(personaje);
}

void Primero::MostrarPersonaje(bool visible) { Image2->setVisible(visible); }

void Primero::MostrarFinal() { emit ganado(); }

void Primero::Despedirse(std::u16string_view despedida)
{
    QMessageBox adios(QMessageBox::Warning, u"Salir"_s, DeJuego(despedida), QMessageBox::Ok, this);
    adios.exec();
    emit terminar();
}
