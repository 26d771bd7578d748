#pragma once

#include <QByteArray>
#include <QDir>
#include <QProcess>
#include <QString>

#include <functional>

// What talpin-texto printed, and how it ended (-1: it crashed or hung).
struct Salida {
    int estado = -1;
    QString texto;
    QString errores;
};

// Plays the input through talpin-texto in `carpeta`, with the game's pictures;
// or through its node twin where TALPIN_TEXTO_JS names it (scripts/pruebas-web.sh).
// `enElHijo` runs in the child just before the program starts (to set a limit,
// say). A program still running after half a minute counts as hung.
inline Salida Jugar(const QByteArray& entrada, const QString& carpeta = QDir::currentPath(),
                    const std::function<void()>& enElHijo = {})
{
    constexpr int espera = 30000; // ms
    QProcess proceso;
    proceso.setWorkingDirectory(carpeta);
    if (enElHijo)
        proceso.setChildProcessModifier(enElHijo);
    const QString twin = qEnvironmentVariable("TALPIN_TEXTO_JS");
    if (twin.isEmpty())
        proceso.start(QStringLiteral(TALPIN_TEXTO), {});
    else
        proceso.start(QStringLiteral("node"), {twin});
    proceso.write(entrada);
    proceso.closeWriteChannel();
    if (!proceso.waitForFinished(espera)) {
        qWarning("talpin-texto still running after %d ms: hung", espera);
        return {};
    }
    return {proceso.exitStatus() == QProcess::NormalExit ? proceso.exitCode() : -1,
            QString::fromUtf8(proceso.readAllStandardOutput()),
            QString::fromUtf8(proceso.readAllStandardError())};
}
