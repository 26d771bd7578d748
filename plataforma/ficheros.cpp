#include "plataforma/ficheros.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

int AbrirFicheroNormal(const std::string& ruta)
{
    // Without waiting, then a look at what was opened: the name may have
    // been swapped for a FIFO since any earlier look.
    const int descriptor = ::open(ruta.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return -1;
    struct stat datos {};
    if (::fstat(descriptor, &datos) != 0 || !S_ISREG(datos.st_mode)) {
        ::close(descriptor);
        return -1;
    }
    return descriptor;
}

std::optional<std::string> LeerFicheroNormal(const std::string& ruta, std::size_t maximo)
{
    const int descriptor = AbrirFicheroNormal(ruta);
    if (descriptor < 0)
        return std::nullopt;
    std::string texto;
    char trozo[4096];
    bool bien = true;
    while (texto.size() <= maximo) {
        const ::ssize_t leidos = ::read(descriptor, trozo, sizeof trozo);
        if (leidos < 0 && errno == EINTR)
            continue;
        if (leidos <= 0) {
            bien = leidos == 0;
            break;
        }
        texto.append(trozo, std::size_t(leidos));
    }
    ::close(descriptor);
    if (!bien)
        return std::nullopt;
    if (texto.size() > maximo + 1)
        texto.resize(maximo + 1);
    return texto;
}
