#include "plataforma/fichero_partida.h"

#include "plataforma/ficheros.h"
#include "plataforma/restos.h"

#include "core/partida.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr char fichero[] = "partida";
constexpr mode_t permisosNuevos = 0666; // less the umask, as any new file

// Empty: the working directory.
std::string& CarpetaPartida()
{
    static std::string carpeta;
    return carpeta;
}

std::string RutaPartida()
{
    return CarpetaPartida().empty() ? fichero : (fs::path(CarpetaPartida()) / fichero).string();
}

bool EscribirTodo(int descriptor, std::string_view texto)
{
    while (!texto.empty()) {
        const ::ssize_t escritos = ::write(descriptor, texto.data(), texto.size());
        if (escritos < 0 && errno == EINTR)
            continue;
        if (escritos <= 0)
            return false;
        texto.remove_prefix(std::size_t(escritos));
    }
    return true;
}

// The permissions the saved game keeps: those it had, else a new file's.
mode_t Permisos(const std::string& ruta)
{
    struct stat datos {};
    if (::stat(ruta.c_str(), &datos) == 0)
        return datos.st_mode & 07777;
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    return permisosNuevos & ~mascara;
}

// Writes a temporary file beside `ruta` and puts it in its place: the
// rename is whole, so a save killed halfway leaves the old game and at most
// a temporary file, which the next save sweeps.
bool Reemplazar(const std::string& ruta, std::string_view texto)
{
    std::string temporal = PatronTemporal(ruta);
    const int descriptor = ::mkstemp(temporal.data());
    if (descriptor < 0)
        return false;
    // A short write (a full disk, a size limit) or a failed flush leaves no
    // trace: only a whole file is renamed.
    const bool escrito = ::fchmod(descriptor, Permisos(ruta)) == 0 && EscribirTodo(descriptor, texto)
                         && ::fsync(descriptor) == 0;
    const bool cerrado = ::close(descriptor) == 0;
    if (escrito && cerrado && ::rename(temporal.c_str(), ruta.c_str()) == 0)
        return true;
    ::unlink(temporal.c_str());
    return false;
}

} // namespace

void PonerCarpetaPartida(const std::string& carpeta) { CarpetaPartida() = carpeta; }

bool FicheroPartida::Guardar(std::string_view linea)
{
    if (!CarpetaPartida().empty()) {
        std::error_code error;
        fs::create_directories(CarpetaPartida(), error);
    }
    const std::string ruta = RutaPartida();
    // Held to the end: no other game's sweep takes our temporary file for
    // the leftovers of a killed save.
    const fs::path carpeta = fs::path(ruta).parent_path();
    const CerrojoCarpeta cerrojo(carpeta.empty() ? "." : carpeta.string());
    const bool guardada = Reemplazar(ruta, linea);
    // A save killed halfway left its temporary file behind: gone now.
    if (guardada && cerrojo.Tomado())
        BorrarRestos(ruta);
    return guardada;
}

std::optional<std::string> FicheroPartida::Leer() { return LeerFicheroNormal(RutaPartida(), tamanoMaximoPartida); }
