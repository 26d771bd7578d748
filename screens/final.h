#pragma once

#include <QWidget>

// The ending: how Fray Cabronus confesses. Leaving it ends the program.
class Final final : public QWidget {
    Q_OBJECT

public:
    explicit Final(QWidget* padre = nullptr);

signals:
    void terminar();

protected:
    void closeEvent(QCloseEvent* evento) override;
};
