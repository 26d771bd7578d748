#include "ui/disposicion.h"

#include "presentacion/caras.h"
#include "ui/fuentes.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QWidget>

namespace {

// Below this many pixels the stand-in faces stop being readable.
constexpr int letraMinima = 8;

// The largest size of the control's face, the one it has at most, at which
// `texto`, drawn with `banderas`, fits `hueco` pixels across.
void Achicar(QWidget* control, int hueco, const QString& texto, int banderas)
{
    QFont letra = control->font();
    const auto ancho = [&] { return QFontMetrics(letra).size(banderas, texto).width(); };
    const int anchoActual = ancho();
    if (anchoActual <= hueco)
        return;
    const int tamano = letra.pixelSize() > 0 ? letra.pixelSize() : QFontInfo(letra).pixelSize();
    // A text's width grows nearly as its size: start there and step down.
    for (int nuevo = qMax(letraMinima, tamano * hueco / anchoActual);; --nuevo) {
        letra.setPixelSize(nuevo);
        if (nuevo <= letraMinima || ancho() <= hueco)
            break;
    }
    control->setFont(letra);
}

} // namespace

QRect Caja(int izquierda, int arriba, int ancho, int alto)
{
    return QRect(Px(izquierda), Px(arriba), Px(ancho), Px(alto));
}

QRect Caja(const Recuadro& caja) { return Caja(caja.izquierda, caja.arriba, caja.ancho, caja.alto); }

QFont Letra(const Tipo& tipo)
{
    return Letra(QString::fromUtf8(tipo.cara.data(), qsizetype(tipo.cara.size())), tipo.puntos, tipo.negrita,
                 tipo.cursiva);
}

QFont Letra(const QString& caraWindows, qreal puntos, bool negrita, bool cursiva)
{
    QFont letra = Fuente(caraWindows, puntos, negrita, cursiva);
    letra.setPixelSize(PixelesDeLetra(caraWindows.toStdString(), puntos));
    // Drawn from the outlines as designed: the autohinter would first study
    // every glyph of each face, which is most of what loading one costs,
    // for a difference hardly seen at these sizes.
    letra.setHintingPreference(QFont::PreferNoHinting);
    return letra;
}

void Disponer(QWidget* area, const Pantalla& pantalla)
{
    area->setFixedSize(Px(pantalla.ancho), Px(pantalla.alto));
    area->setFont(Letra(pantalla.tipo));
    QPalette paleta = area->palette();
    paleta.setColor(QPalette::Window, Colorear(colorFondo));
    area->setPalette(paleta);
    area->setAutoFillBackground(true);
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

QPushButton* Boton(QWidget* padre, const QString& nombre, const QString& texto, QRect caja)
{
    auto* boton = new QPushButton(texto, padre);
    boton->setObjectName(nombre);
    boton->setGeometry(caja);
    boton->setAutoDefault(true);
    return boton;
}

void Encajar(QWidget* ventana)
{
    const QList<QLabel*> etiquetas = ventana->findChildren<QLabel*>();
    for (QLabel* etiqueta : etiquetas) {
        if (etiqueta->wordWrap() || etiqueta->text().isEmpty())
            continue;
        Achicar(etiqueta, etiqueta->contentsRect().width(), etiqueta->text(), Qt::TextSingleLine);
        const int alto = etiqueta->fontMetrics().size(Qt::TextSingleLine, etiqueta->text()).height();
        etiqueta->resize(etiqueta->width(), qMax(etiqueta->height(), alto));
    }
    const QList<QPushButton*> botones = ventana->findChildren<QPushButton*>();
    for (QPushButton* boton : botones) {
        const QStyle* estilo = boton->style();
        // The margin the style itself gives a caption.
        const int margen = estilo->pixelMetric(QStyle::PM_ButtonMargin, nullptr, boton)
                           + 2 * estilo->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, boton);
        Achicar(boton, boton->width() - margen, boton->text(), Qt::TextShowMnemonic);
    }
}

QPoint AlLado(const QRect& vecina, const QSize& tamano, const QRect& pantalla, int hueco)
{
    QRect sitio(QPoint(vecina.right() + 1 + hueco, vecina.top()), tamano);
    if (sitio.right() > pantalla.right())
        sitio.moveRight(vecina.left() - 1 - hueco);
    if (sitio.right() > pantalla.right())
        sitio.moveRight(pantalla.right());
    if (sitio.left() < pantalla.left())
        sitio.moveLeft(pantalla.left());
    if (sitio.bottom() > pantalla.bottom())
        sitio.moveBottom(pantalla.bottom());
    if (sitio.top() < pantalla.top())
        sitio.moveTop(pantalla.top());
    return sitio.topLeft();
}
