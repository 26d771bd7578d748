#pragma once

#include "core/juego.h"
#include "core/ventana.h"

#include <QWidget>

class Foto;
class QLineEdit;
class QListWidget;
class QPushButton;

// The game window. It owns the one game of the run, which starts the first
// time the window is shown.
class Primero final : public QWidget, public Ventana {
    Q_OBJECT

public:
    explicit Primero(QWidget* padre = nullptr);

    Juego juego;

    void VaciarLista() override;
    void AnadirLinea(const QString& linea) override;
    QString LeerOrdenes() const override;
    void PonerOrdenes(const QString& texto) override;
    void InsertarOrdenes(const QString& texto) override;
    void CargarImagen(Imagen imagen, const QString& fichero) override;
    void MostrarPersonaje(bool visible) override;
    void MostrarFinal() override;
    void Despedirse(const QString& despedida) override;

signals:
    void menuPrincipal();
    void ganado();
    // The player has left the game: the program ends.
    void terminar();

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Construir();
    QPushButton* Boton(const char* nombre, const QString& texto, QRect caja);

    bool empezado = false;

    Foto* Image2;
    Foto* Image3;
    QListWidget* List1;
    QLineEdit* ordenes;
};
