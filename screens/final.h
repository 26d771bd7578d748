#pragma once

#include "ui/marco.h"

// The ending: how Fray Cabronus confesses. Leaving it ends the program.
class Final final : public Marco {
    Q_OBJECT

public:
    explicit Final(QWidget* padre = nullptr);

signals:
    void terminar();

protected:
    void closeEvent(QCloseEvent* evento) override;
};
