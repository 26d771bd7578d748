#include "ui/foto.h"

#include "plataforma/graficos.h"
#include "presentacion/pantallas.h"
#include "ui/accesible.h"
#include "ui/cadenas.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QPainter>

using namespace Qt::Literals::StringLiterals;

namespace {

// The width of the focus mark, in pixels.
constexpr qreal anchoMarca = 3;

// The picture at `ruta`, or a null one. A file's size is read from its
// header first, so an outsized picture is never decoded; the program's own
// pictures are known.
QPixmap Leer(const QString& ruta)
{
    if (ruta.startsWith(u':'))
        return QPixmap(ruta);
    const std::optional<std::string> datos = LeerImagen(Ruta(ruta));
    if (!datos)
        return {};
    return QPixmap::fromImage(
        QImage::fromData(reinterpret_cast<const uchar*>(datos->data()), int(datos->size()), "JPEG"));
}

} // namespace

Foto::Foto(QWidget* padre, QRect caja) : QLabel(padre)
{
    InstalarAccesibles();
    setGeometry(caja);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Foto::Cargar(const QString& ruta, const QString& ruta2x)
{
    QPixmap imagen;
    if (devicePixelRatioF() > 1)
        imagen = Leer(ruta2x);
    if (!imagen.isNull())
        imagen.setDevicePixelRatio(2);
    else
        imagen = Leer(ruta);

    if (imagen.isNull()) {
        qWarning("talpin: no se puede leer la imagen %s", qUtf8Printable(ruta));
        clear();
        return;
    }
    setPixmap(imagen);
    resize(imagen.deviceIndependentSize().toSize());
}

void Foto::AdmitirTeclado() { setFocusPolicy(Qt::TabFocus); }

bool Foto::AdmiteTeclado() const { return focusPolicy() & Qt::TabFocus; }

void Foto::Pulsar() { emit pulsada(); }

void Foto::mouseReleaseEvent(QMouseEvent* evento)
{
    if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint()))
        Pulsar();
}

void Foto::keyPressEvent(QKeyEvent* evento)
{
    const int tecla = evento->key();
    if (tecla != Qt::Key_Space && tecla != Qt::Key_Return && tecla != Qt::Key_Enter) {
        QLabel::keyPressEvent(evento);
        return;
    }
    // A held key presses once, as a push button does.
    if (!evento->isAutoRepeat())
        Pulsar();
}

void Foto::paintEvent(QPaintEvent* evento)
{
    QLabel::paintEvent(evento);
    if (!hasFocus())
        return;
    // A ring in the selection colour, inside the picture so no neighbour
    // covers it.
    QPainter pintor(this);
    pintor.setPen(QPen(palette().color(QPalette::Highlight), anchoMarca, Qt::SolidLine, Qt::SquareCap,
                       Qt::MiterJoin));
    pintor.drawRect(QRectF(rect()).adjusted(anchoMarca / 2, anchoMarca / 2, -anchoMarca / 2, -anchoMarca / 2));
}

QString NombreDoble(const QString& nombre) { return QString::fromStdString(NombreDoble(nombre.toStdString())); }

void CargarGuardada(Foto* foto, const QString& nombre)
{
    const QString ruta = u":/imagenes/"_s + nombre;
    const QString ruta2x = u":/imagenes/"_s + NombreDoble(nombre);
    foto->Cargar(ruta, QFileInfo::exists(ruta2x) ? ruta2x : QString());
}
