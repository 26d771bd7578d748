#pragma once

#include "presentacion/pantallas.h"

#include <QWidget>

// A window of the game. Screen readers see it as a window (a frame), as
// they see the title window, rather than as a bare panel.
class Marco : public QWidget {
    Q_OBJECT

public:
    // Named, captioned and laid out as the windows' table has it.
    explicit Marco(const Pantalla& pantalla, QWidget* padre = nullptr, Qt::WindowFlags banderas = {});

    // For a window that only tells: it stands as a dialog, whose texts a
    // screen reader reads as it opens.
    void LeerAlAbrir() { leerAlAbrir = true; }
    bool SeLeeAlAbrir() const { return leerAlAbrir; }

private:
    bool leerAlAbrir = false;
};
