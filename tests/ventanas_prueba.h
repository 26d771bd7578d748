#pragma once

// Driving the real windows as a player does: the four windows of a run,
// found controls, clicks and keys where a player makes them.
#include "screens/programa.h"
#include "screens/principal.h"
#include "ui/primero.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

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

// A key pressed where the focus is, as the keyboard sends it.
inline void Teclear(Qt::Key tecla, Qt::KeyboardModifiers modificadores = {})
{
    QWidget* foco = QApplication::focusWidget();
    QVERIFY(foco);
    QTest::keyClick(foco, tecla, modificadores);
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

// Types the order into the command box and presses Enter.
inline void Escribir(Primero* juego, const QString& orden)
{
    auto* ordenes = Hijo<QLineEdit>(juego, QStringLiteral("ordenes"));
    QTest::keyClicks(ordenes, orden);
    QTest::keyClick(ordenes, Qt::Key_Return);
}

// Runs `mirar` on the next modal message box, then answers it with OK.
template <typename Mirar>
void ResponderCaja(Mirar mirar)
{
    QTimer::singleShot(0, [mirar] {
        auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(caja);
        mirar(caja);
        caja->button(QMessageBox::Ok)->click();
    });
}

// The windows of one run, opened on the title window; `fin` counts the
// ends of the program.
struct Programas {
    std::unique_ptr<Programa> programa = std::make_unique<Programa>();
    QSignalSpy fin{programa.get(), &Programa::terminado};

    Programas() { programa->Empezar(); }

    Principal* Titulo() const { return programa->VentanaPrincipal(); }

    // "Juego" pressed: the game window, active.
    Primero* Jugar()
    {
        Pulsar(Titulo(), QStringLiteral("Command1"));
        Primero* juego = programa->VentanaJuego();
        juego->activateWindow();
        if (!QTest::qWaitForWindowActive(juego))
            qFatal("the game window never became active");
        return juego;
    }
};
