#include "ui/controles.h"

#include "ui/cadenas.h"
#include "ui/disposicion.h"
#include "ui/foto.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

QString Nombre(std::string_view nombre) { return QString::fromLatin1(nombre.data(), qsizetype(nombre.size())); }

Foto* NuevaFoto(QWidget* padre, const Pantalla& pantalla, std::string_view nombre)
{
    const Control& control = Buscar(pantalla, nombre);
    auto* foto = new Foto(padre, Caja(control.caja));
    foto->setObjectName(Nombre(nombre));
    if (!control.leido.empty())
        foto->setAccessibleName(DeJuego(control.leido));
    foto->setAccessibleDescription(DeJuego(control.descripcion));
    CargarGuardada(foto, Nombre(control.fichero));
    if (control.clic)
        foto->AdmitirTeclado();
    return foto;
}

QLabel* NuevaEtiqueta(QWidget* padre, const Pantalla& pantalla, std::string_view nombre, bool ajustar,
                      const QString& texto)
{
    const Control& control = Buscar(pantalla, nombre);
    QLabel* etiqueta =
        Etiqueta(padre, control.texto.empty() ? texto : DeJuego(control.texto), Caja(control.caja), ajustar);
    etiqueta->setObjectName(Nombre(nombre));
    if (control.tipo)
        etiqueta->setFont(Letra(*control.tipo));
    return etiqueta;
}

QPushButton* NuevoBoton(QWidget* padre, const Pantalla& pantalla, std::string_view nombre)
{
    const Control& control = Buscar(pantalla, nombre);
    QPushButton* boton = Boton(padre, Nombre(nombre), DeJuego(control.texto), Caja(control.caja));
    if (control.tipo)
        boton->setFont(Letra(*control.tipo));
    return boton;
}

void MostrarMensaje(QWidget* padre, const Mensaje& mensaje, const QString& texto)
{
    QMessageBox caja(mensaje.exclamacion ? QMessageBox::Warning : QMessageBox::NoIcon, DeJuego(mensaje.titulo),
                     texto.isEmpty() ? DeJuego(mensaje.texto) : texto, QMessageBox::Ok, padre);
    caja.exec();
}
