#include "ui/traduccion.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::Literals::StringLiterals;

void TraducirQt(QCoreApplication& aplicacion)
{
    auto* traductor = new QTranslator(&aplicacion);
    if (traductor->load(QLocale(QLocale::Spanish, QLocale::Spain), u"qtbase"_s, u"_"_s,
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        aplicacion.installTranslator(traductor);
    else
        delete traductor;
}
