#include "ui/foto.h"

#include "core/ficheros.h"
#include "core/graficos.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QPixmap>

using namespace Qt::Literals::StringLiterals;

namespace {

// The picture at `ruta`, or a null one. Its size is read from the header
// first, so an outsized picture is never decoded.
QPixmap Leer(const QString& ruta)
{
    QFile fichero(ruta);
    if (!AbrirFicheroNormal(fichero))
        return {};
    QImageReader lector(&fichero);
    if (!TamanoAdmisible(lector.size()))
        return {};
    return QPixmap::fromImage(lector.read());
}

} // namespace

Foto::Foto(QWidget* padre, QRect caja) : QLabel(padre)
{
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

void Foto::mouseReleaseEvent(QMouseEvent* evento)
{
    if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint()))
        emit pulsada();
}

QString NombreDoble(const QString& nombre)
{
    const qsizetype punto = nombre.lastIndexOf(u'.');
    return punto < 0 ? nombre + u"@2x"_s : nombre.first(punto) + u"@2x"_s + nombre.sliced(punto);
}

void CargarGuardada(Foto* foto, const QString& nombre)
{
    const QString ruta = u":/imagenes/"_s + nombre;
    const QString ruta2x = u":/imagenes/"_s + NombreDoble(nombre);
    foto->Cargar(ruta, QFileInfo::exists(ruta2x) ? ruta2x : QString());
}
