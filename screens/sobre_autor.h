#pragma once

#include <QWidget>

// Who made the game. "Volver" only hides the window; closing it destroys it.
class SobreAutor final : public QWidget {
    Q_OBJECT

public:
    explicit SobreAutor(QWidget* padre = nullptr);
};
