#pragma once

#include "ui/primero.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// Helpers for driving the real windows as a player does.

template <typename T = QWidget>
T* Hijo(QWidget* ventana, const QString& nombre)
{
    T* hijo = ventana->findChild<T*>(nombre);
    if (!hijo)
        qFatal("no such control: %s", qPrintable(nombre));
    return hijo;
}

// A click where the control stands, found by the window as a player's
// click is: a hidden control gets none.
inline void Pulsar(QWidget* ventana, const QString& nombre)
{
    QWidget* control = Hijo(ventana, nombre);
    QTest::mouseClick(ventana->windowHandle(), Qt::LeftButton, {}, control->mapTo(ventana, control->rect().center()));
}

inline QStringList Lista(QWidget* juego)
{
    QStringList lineas;
    auto* lista = Hijo<QListWidget>(juego, QStringLiteral("List1"));
    for (int i = 0; i < lista->count(); ++i)
        lineas << lista->item(i)->text();
    return lineas;
}

// What a message box showed before it was answered with OK.
struct Aviso {
    QString titulo, texto;
    QMessageBox::Icon icono = QMessageBox::NoIcon;
    QMessageBox::StandardButtons botones;
};

// Answers the next modal message box, so it can't block the test.
inline void ResponderCaja(Aviso& vista)
{
    QTimer::singleShot(0, [&vista] {
        auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(caja);
        vista = {caja->windowTitle(), caja->text(), caja->icon(), caja->standardButtons()};
        caja->button(QMessageBox::Ok)->click();
    });
}

// A fresh working directory for the saved game and the pictures, for as
// long as it lives.
class Carpeta {
public:
    Carpeta() : antes(QDir::currentPath()) { QDir::setCurrent(carpeta.path()); }
    ~Carpeta() { QDir::setCurrent(antes); }

private:
    QTemporaryDir carpeta;
    QString antes;
};
