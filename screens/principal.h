#pragma once

#include <QMainWindow>

// The title window: the studio, the title, the story so far, the way into
// the game and the Archivo menu.
class Principal final : public QMainWindow {
    Q_OBJECT

public:
    explicit Principal(QWidget* padre = nullptr);

signals:
    void jugar();
    void verAutor();
    // "Salir" or the close box: the program ends.
    void terminar();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void AcercaDe();
};
