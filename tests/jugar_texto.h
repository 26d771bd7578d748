#pragma once

#include <QByteArray>
#include <QDir>
#include <QProcess>
#include <QString>

// What talpin-texto printed, and how it ended (-1: it crashed or hung).
struct Salida {
    int estado = -1;
    QString texto;
    QString errores;
};

// Plays the input through talpin-texto in `carpeta`, with the game's pictures.
inline Salida Jugar(const QByteArray& entrada, const QString& carpeta = QDir::currentPath())
{
    QProcess proceso;
    proceso.setWorkingDirectory(carpeta);
    proceso.start(QStringLiteral(TALPIN_TEXTO), {});
    proceso.write(entrada);
    proceso.closeWriteChannel();
    if (!proceso.waitForFinished(30000))
        return {};
    return {proceso.exitStatus() == QProcess::NormalExit ? proceso.exitCode() : -1,
            QString::fromUtf8(proceso.readAllStandardOutput()),
            QString::fromUtf8(proceso.readAllStandardError())};
}
