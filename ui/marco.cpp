#include "ui/marco.h"

#include "ui/accesible.h"

Marco::Marco(QWidget* padre, Qt::WindowFlags banderas) : QWidget(padre, banderas)
{
    InstalarAccesibles();
}
