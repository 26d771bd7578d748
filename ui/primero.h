#pragma once

#include "core/juego.h"
#include "core/ventana.h"
#include "plataforma/fichero_partida.h"
#include "presentacion/historial.h"
#include "ui/marco.h"

class Aviso;
class Foto;
class QLineEdit;
class QListWidget;

// The game window. It owns the one game of the run, which starts the first
// time the window is shown.
class Primero final : public Marco, public Ventana {
    Q_OBJECT

public:
    explicit Primero(QWidget* padre = nullptr);

private:
    FicheroPartida partida;

public:
    Juego juego;

    void VaciarLista() override;
    void AnadirLinea(std::u16string_view linea) override;
    std::u16string LeerOrdenes() const override;
    void PonerOrdenes(std::u16string_view texto) override;
    void InsertarOrdenes(std::u16string_view texto) override;
    void CargarImagen(Imagen imagen, std::u16string_view nombre) override;
    void MostrarPersonaje(bool visible) override;
    void MostrarFinal() override;
    void Despedirse(std::u16string_view despedida) override;

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
    // Up and Down in the command box.
    void Recordar(int tecla);
    // Tells a screen reader the lines added since it was last told, once
    // the event that added them is over.
    void Avisar();
    void Anunciar();
    // The place and character pictures bear the names of what they show.
    void NombrarFotos();

    bool empezado = false;
    bool anuncioPendiente = false;
    QStringList nuevas; // lines the screen reader has not been told
    Historial historial;

    Foto* Image2;
    Foto* Image3;
    QListWidget* List1;
    QLineEdit* ordenes;
    Aviso* aviso;
};
