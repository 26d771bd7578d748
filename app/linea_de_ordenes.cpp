#include "app/linea_de_ordenes.h"

#include "plataforma/fichero_partida.h"
#include "plataforma/graficos.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <iostream>

using namespace Qt::Literals::StringLiterals;

namespace {

// The status of a wrong command line, as most command-line tools use.
constexpr int malUso = 2;

// An option as typed: "-h", "--help".
QString ConGuiones(const QString& nombre)
{
    return (nombre.size() == 1 ? u"-"_s : u"--"_s) + nombre;
}

// Qt's own help is in English; the game speaks Spanish.
QString Ayuda(const QString& descripcion, const QList<QCommandLineOption>& opciones)
{
    QStringList nombres;
    qsizetype ancho = 0;
    for (const QCommandLineOption& opcion : opciones) {
        QStringList guiones;
        for (const QString& nombre : opcion.names())
            guiones += ConGuiones(nombre);
        nombres += guiones.join(u", "_s);
        ancho = qMax(ancho, nombres.last().size());
    }
    QString texto = u"Uso: %1 [opciones]\n%2\n\nOpciones:\n"_s.arg(QCoreApplication::applicationName(), descripcion);
    for (qsizetype i = 0; i < opciones.size(); ++i)
        texto += u"  "_s + nombres[i].leftJustified(ancho + 2) + opciones[i].description() + u'\n';
    return texto;
}

// What is wrong with the command line, in Spanish; empty when nothing is.
QString Error(const QCommandLineParser& lector, bool leida)
{
    if (!lector.unknownOptionNames().isEmpty())
        return u"Opción desconocida «%1»."_s.arg(ConGuiones(lector.unknownOptionNames().first()));
    if (!leida)
        return lector.errorText();
    if (!lector.positionalArguments().isEmpty())
        return u"Sobra el argumento «%1»."_s.arg(lector.positionalArguments().first());
    return {};
}

} // namespace

std::optional<int> LeerLineaDeOrdenes(const QString& descripcion)
{
    const QCommandLineOption ayuda({u"h"_s, u"help"_s}, u"Muestra esta ayuda y termina."_s);
    const QCommandLineOption version({u"v"_s, u"version"_s}, u"Muestra la versión y termina."_s);
    const QCommandLineOption datos({u"d"_s, u"datos-de-usuario"_s},
                                   u"Guarda la partida en la carpeta de datos del usuario."_s);
    const QList<QCommandLineOption> opciones{ayuda, version, datos};

    QCommandLineParser lector;
    lector.addOptions(opciones);
    const bool leida = lector.parse(QCoreApplication::arguments());
    const QString error = Error(lector, leida);
    if (!error.isEmpty()) {
        std::cerr << QCoreApplication::applicationName().toStdString() << ": " << error.toStdString() << "\n\n"
                  << Ayuda(descripcion, opciones).toStdString();
        return malUso;
    }
    if (lector.isSet(ayuda)) {
        std::cout << Ayuda(descripcion, opciones).toStdString();
        return 0;
    }
    if (lector.isSet(version)) {
        std::cout << QCoreApplication::applicationName().toStdString() << ' ' << TALPIN_VERSION << '\n';
        return 0;
    }

    // Relative to the program, so that a moved or DESTDIR install finds them too.
    AnadirCarpetaGraficos(QFile::encodeName(
        QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/' + QStringLiteral(TALPIN_GRAFICOS_INSTALADOS)))
                              .toStdString());
    if (lector.isSet(datos))
        PonerCarpetaPartida(
            QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/talpin"_s)
                .toStdString());
    return std::nullopt;
}
