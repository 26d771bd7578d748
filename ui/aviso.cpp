#include "ui/aviso.h"

Aviso::Aviso(QWidget* padre) : QWidget(padre), notificacion(new QWidget(this))
{
    setFixedSize(0, 0);
    notificacion->setFixedSize(0, 0);
    notificacion->hide();
}

void Aviso::Decir(const QString& texto)
{
    notificacion->hide();
    notificacion->setAccessibleName(texto);
    notificacion->show();
}
