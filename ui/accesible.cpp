#include "ui/accesible.h"

#include "ui/aviso.h"
#include "ui/foto.h"
#include "ui/marco.h"

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

// Asked while the window is built, before it says whether it only tells.
class MarcoAccesible final : public QAccessibleWidget {
public:
    explicit MarcoAccesible(Marco* marco) : QAccessibleWidget(marco) {}

    QAccessible::Role role() const override
    {
        return static_cast<Marco*>(widget())->SeLeeAlAbrir() ? QAccessible::Dialog : QAccessible::Window;
    }
};

// Asked for each class of an object, from its own up to QObject.
QAccessibleInterface* Fabrica(const QString& clase, QObject* objeto)
{
    if (clase == u"Foto"_s)
        return new FotoAccesible(static_cast<Foto*>(objeto));
    if (clase == u"Marco"_s)
        return new MarcoAccesible(static_cast<Marco*>(objeto));
    if (clase == u"Linea"_s)
        return new QAccessibleWidget(static_cast<QWidget*>(objeto), QAccessible::Separator);
    if (clase == u"Aviso"_s)
        return new QAccessibleWidget(static_cast<QWidget*>(objeto), QAccessible::StatusBar);
    if (clase == u"QWidget"_s && qobject_cast<Aviso*>(objeto->parent()))
        return new QAccessibleWidget(static_cast<QWidget*>(objeto), QAccessible::Notification);
    return nullptr;
}

} // namespace

void InstalarAccesibles()
{
    static const bool instalada = (QAccessible::installFactory(Fabrica), true);
    Q_UNUSED(instalada);
}
