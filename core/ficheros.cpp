#include "core/ficheros.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool AbrirFicheroNormal(QFile& fichero)
{
    const QFileInfo info(fichero.fileName());
    if (!info.isFile())
        return false;
    if (!info.isNativePath()) // a resource: never special
        return fichero.open(QIODevice::ReadOnly);

    // The name may have been swapped for a FIFO since the look above: open
    // without waiting, then make sure of what was opened.
    const int descriptor = ::open(QFile::encodeName(fichero.fileName()).constData(),
                                  O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    struct stat datos {};
    if (::fstat(descriptor, &datos) != 0 || !S_ISREG(datos.st_mode)
        || !fichero.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return false;
    }
    return true;
}
