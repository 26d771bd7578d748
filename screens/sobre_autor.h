#pragma once

#include "ui/marco.h"

// Who made the game. "Volver" only hides the window; closing it destroys it.
class SobreAutor final : public Marco {
    Q_OBJECT

public:
    explicit SobreAutor(QWidget* padre = nullptr);
};
