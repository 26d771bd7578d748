#pragma once

#include <QLabel>

// A picture control: exactly the size of its picture, shown unscaled, and
// clickable. Until a picture loads it keeps the size of its layout box.
class Foto final : public QLabel {
    Q_OBJECT

public:
    Foto(QWidget* padre, QRect caja);

    // Shows the picture at `ruta`, or its "@2x" twin at `ruta2x` on a
    // high-density screen when there is one, and takes its size keeping the
    // top left corner. A picture that can't be read (also one that is no
    // regular file, or declares an outsized picture) leaves the control blank
    // and is reported once on stderr.
    void Cargar(const QString& ruta, const QString& ruta2x);

    // A picture that does something when clicked can also be pressed from
    // the keyboard: it takes the focus from Tab, never from a click, and
    // Space or Enter press it.
    void AdmitirTeclado();
    bool AdmiteTeclado() const;

    // What a click does.
    void Pulsar();

signals:
    void pulsada();

protected:
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;
};

// The stored picture of that name, e.g. "talpin.jpg", from the program's
// resources.
void CargarGuardada(Foto* foto, const QString& nombre);

// "uno2.jpg" becomes "uno2@2x.jpg".
QString NombreDoble(const QString& nombre);
