#pragma once

#include <QWidget>

// Speaks a text through the screen reader wherever the focus is, and shows
// nothing. It stands as a status bar holding one notification: a screen
// reader speaks a notification when it is shown, and one inside a status bar
// without saying "notification" first.
class Aviso final : public QWidget {
    Q_OBJECT

public:
    explicit Aviso(QWidget* padre);

    // The same text again is spoken again.
    void Decir(const QString& texto);

private:
    QWidget* notificacion;
};
