#include "ui/disposicion.h"

#include "ui/fuentes.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

QRect Caja(int izquierda, int arriba, int ancho, int alto)
{
    return QRect(Px(izquierda), Px(arriba), Px(ancho), Px(alto));
}

QFont Letra(const QString& caraWindows, qreal puntos, bool negrita, bool cursiva)
{
    QFont letra = Fuente(caraWindows, puntos, negrita, cursiva);
    letra.setPixelSize(qRound(puntos * 96 / 72));
    return letra;
}

void PintarFondo(QWidget* ventana)
{
    QPalette paleta = ventana->palette();
    paleta.setColor(QPalette::Window, colorFondo);
    ventana->setPalette(paleta);
    ventana->setAutoFillBackground(true);
}

QLabel* Etiqueta(QWidget* padre, const QString& texto, QRect caja, bool ajustar)
{
    auto* etiqueta = new QLabel(texto, padre);
    etiqueta->setGeometry(caja);
    etiqueta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    etiqueta->setWordWrap(ajustar);
    etiqueta->setTextFormat(Qt::PlainText);
    return etiqueta;
}

void NoRecortar(QWidget* ventana)
{
    const QList<QLabel*> etiquetas = ventana->findChildren<QLabel*>();
    for (QLabel* etiqueta : etiquetas)
        if (!etiqueta->wordWrap() && !etiqueta->text().isEmpty())
            etiqueta->resize(etiqueta->size().expandedTo(etiqueta->sizeHint()));
}
