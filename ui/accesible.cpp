#include "ui/accesible.h"

#include "ui/foto.h"

#include <QAccessibleWidget>

using namespace Qt::Literals::StringLiterals;

namespace {

class FotoAccesible final : public QAccessibleWidget {
public:
    explicit FotoAccesible(Foto* foto) : QAccessibleWidget(foto) {}

    QAccessible::Role role() const override
    {
        return foto()->AdmiteTeclado() ? QAccessible::Button : QAccessible::Graphic;
    }

    QStringList actionNames() const override
    {
        QStringList acciones = QAccessibleWidget::actionNames();
        if (foto()->AdmiteTeclado())
            acciones.prepend(pressAction());
        return acciones;
    }

    void doAction(const QString& accion) override
    {
        if (accion == pressAction() && foto()->AdmiteTeclado())
            foto()->Pulsar();
        else
            QAccessibleWidget::doAction(accion);
    }

private:
    Foto* foto() const { return static_cast<Foto*>(widget()); }
};

// Asked for each class of an object, from its own up to QObject.
QAccessibleInterface* Fabrica(const QString& clase, QObject* objeto)
{
    if (clase == u"Foto"_s)
        return new FotoAccesible(static_cast<Foto*>(objeto));
    if (clase == u"Marco"_s)
        return new QAccessibleWidget(static_cast<QWidget*>(objeto), QAccessible::Window);
    if (clase == u"Linea"_s)
        return new QAccessibleWidget(static_cast<QWidget*>(objeto), QAccessible::Separator);
    return nullptr;
}

} // namespace

void InstalarAccesibles()
{
    static const bool instalada = (QAccessible::installFactory(Fabrica), true);
    Q_UNUSED(instalada);
}
