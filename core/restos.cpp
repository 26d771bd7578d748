#include "core/restos.h"

#include "core/estado.h"
#include "core/ficheros.h"
#include "core/partida.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

using namespace Qt::Literals::StringLiterals;

namespace {

// A save takes milliseconds; a game that holds the folder longer is stopped.
constexpr int esperaMaxima = 2000; // ms
constexpr int pausa = 10;          // ms
constexpr qsizetype letrasTemporal = 6;

bool EsLetra(QChar letra)
{
    return (letra >= u'a' && letra <= u'z') || (letra >= u'A' && letra <= u'Z');
}

// The longest line a save writes: every field at its most negative.
qsizetype LargoMaximo()
{
    GameState estado;
    for (qint16 GameState::*campo : GameState::campos)
        estado.*campo = -32768;
    return TextoPartida(estado).size();
}

// Nothing but the blanks, signs, digits and line end of a save, or a part of one.
bool PareceUnaPartida(const QString& ruta)
{
    QFile fichero(ruta);
    if (!AbrirFicheroNormal(fichero))
        return false;
    const QByteArray texto = fichero.read(LargoMaximo() + 1);
    return texto.size() <= LargoMaximo() && std::all_of(texto.begin(), texto.end(), [](char letra) {
               return letra == ' ' || letra == '-' || (letra >= '0' && letra <= '9') || letra == '\r'
                      || letra == '\n';
           });
}

} // namespace

CerrojoCarpeta::CerrojoCarpeta(const QString& carpeta)
{
    descriptor = ::open(QFile::encodeName(carpeta).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    const QDeadlineTimer plazo(esperaMaxima);
    while (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || plazo.hasExpired()) {
            ::close(descriptor);
            descriptor = -1;
            return;
        }
        QThread::msleep(pausa);
    }
}

CerrojoCarpeta::~CerrojoCarpeta()
{
    if (descriptor >= 0)
        ::close(descriptor);
}

void BorrarRestos(const QString& ruta)
{
    const QFileInfo partida(ruta);
    const QDir carpeta = partida.dir();
    const QString fichero = partida.fileName();
    const QString patron = fichero + u'.' + QString(letrasTemporal, u'?');
    const QFileInfoList candidatos =
        carpeta.entryInfoList({patron}, QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::CaseSensitive);
    for (const QFileInfo& candidato : candidatos) {
        const QString letras = candidato.fileName().sliced(fichero.size() + 1);
        if (std::all_of(letras.begin(), letras.end(), EsLetra) && PareceUnaPartida(candidato.filePath()))
            QFile::remove(candidato.filePath());
    }
}
