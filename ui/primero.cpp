#include "ui/primero.h"

#include "plataforma/graficos.h"
#include "ui/aviso.h"
#include "ui/cadenas.h"
#include "ui/controles.h"
#include "ui/disposicion.h"
#include "ui/foto.h"
#include "ui/trazos.h"
#include "world/historia.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

const Pantalla& pantalla = PantallaPrimero();

const Control& De(std::string_view nombre) { return Buscar(pantalla, nombre); }

} // namespace

Primero::Primero(QWidget* padre) : Marco(pantalla, padre), juego(*this, partida, ElMonjeTalpin())
{
    Construir();
}

void Primero::Construir()
{
    Trazar(this, pantalla.trazos);

    Image2 = NuevaFoto(this, pantalla, "Image2");
    Image3 = NuevaFoto(this, pantalla, "Image3");
    NuevaFoto(this, pantalla, "Image1");
    NuevaEtiqueta(this, pantalla, "Label3");

    QPalette sombra = palette();
    sombra.setColor(QPalette::WindowText, Colorear(colorSombra));
    QLabel* Label2 = NuevaEtiqueta(this, pantalla, "Label2");
    Label2->setPalette(sombra);

    List1 = new QListWidget(this);
    List1->setObjectName(u"List1"_s);
    List1->setGeometry(Caja(De("List1").caja));
    List1->setFont(Letra(*De("List1").tipo));
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Label2->setBuddy(List1);
    List1->setAccessibleName(Label2->text());

    QLabel* Label1 = NuevaEtiqueta(this, pantalla, "Label1");
    Label1->setPalette(sombra);

    ordenes = new QLineEdit(this);
    ordenes->setObjectName(u"ordenes"_s);
    ordenes->setGeometry(Caja(De("ordenes").caja));
    ordenes->setMaxLength(largoMaximoOrden);
    ordenes->installEventFilter(this);
    // Qt tells of the first caret move before the first focus, and a screen
    // reader then takes the box as focused already and does not name it:
    // that first move is made here.
    ordenes->setCursorPosition(0);
    aviso = new Aviso(this);
    Label1->setBuddy(ordenes);
    ordenes->setAccessibleName(Label1->text());

    // The heading interrupts the top edge of the frame around the verbs.
    NuevaEtiqueta(this, pantalla, "Label7")->setAutoFillBackground(true);

    for (std::string_view verbo : {"Image4", "Image5", "Image6", "Image7", "Image8"})
        NuevaFoto(this, pantalla, verbo);
    for (std::string_view boton : {"Guardar", "Cargar", "salir", "objetos", "Salidas", "limpiar"})
        NuevoBoton(this, pantalla, boton);
    connect(findChild<QPushButton*>(u"salir"_s), &QPushButton::clicked, this, &Primero::menuPrincipal);

    // The controls that the game answers; Enter and Esc come in below.
    for (const NombreMando& nombre : nombresMandos) {
        if (nombre.control.empty())
            continue;
        QObject* control = findChild<QObject*>(Nombre(nombre.control), Qt::FindDirectChildrenOnly);
        const auto pulsar = [this, mando = nombre.mando] { juego.Pulsar(mando); };
        if (auto* foto = qobject_cast<Foto*>(control))
            connect(foto, &Foto::pulsada, this, pulsar);
        else if (auto* boton = qobject_cast<QPushButton*>(control))
            connect(boton, &QPushButton::clicked, this, pulsar);
    }

    // The window's own order first; the pictures, which only the keyboard
    // focuses, after it.
    QWidget* anterior = nullptr;
    for (std::string_view nombre : pantalla.orden) {
        QWidget* control = findChild<QWidget*>(Nombre(nombre), Qt::FindDirectChildrenOnly);
        if (anterior)
            setTabOrder(anterior, control);
        anterior = control;
    }
    List1->setFocus();
    Encajar(this);
}

void Primero::showEvent(QShowEvent* evento)
{
    QWidget::showEvent(evento);
    if (!empezado) {
        empezado = true;
        juego.Empezar();
        // Not on screen yet: the opening line goes into the list's
        // description now, read as the list takes the focus when the window
        // opens, and is announced by nothing else, however soon the window
        // manager activates the window.
        nuevas.clear();
        Anunciar();
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
            historial.Anotar(AlJuego(ordenes->text()));
            juego.Pulsar(Mando::Intro);
        } else if (tecla->key() == Qt::Key_Escape) {
            juego.Pulsar(Mando::Esc);
        } else if (tecla->key() == Qt::Key_Up || tecla->key() == Qt::Key_Down) {
            Recordar(tecla->key());
            return true;
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

void Primero::Recordar(int tecla)
{
    const std::optional<std::u16string> orden = tecla == Qt::Key_Up ? historial.Anterior() : historial.Siguiente();
    // The caret goes to the end, to go on typing.
    if (orden)
        ordenes->setText(DeJuego(*orden));
}

void Primero::VaciarLista()
{
    List1->clear();
    nuevas.clear();
    Avisar();
}

void Primero::AnadirLinea(std::u16string_view linea)
{
    List1->addItem(DeJuego(linea));
    nuevas.append(List1->item(List1->count() - 1)->text());
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
    if (!anuncioPendiente)
        return; // told already
    anuncioPendiente = false;
    QStringList lineas;
    for (int i = 0; i < List1->count(); ++i)
        lineas << List1->item(i)->text();
    // Read with the list when it takes the focus, as it does when the window
    // opens: the opening line is spoken there, after the window's name.
    List1->setAccessibleDescription(lineas.join(u'\n'));
    // Lines emptied away before the answer was over are not news.
    if (isActiveWindow() && !nuevas.isEmpty())
        aviso->Decir(nuevas.join(u'\n'));
    nuevas.clear();
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
    MostrarMensaje(this, MensajeSalir(), DeJuego(despedida));
    emit terminar();
}
