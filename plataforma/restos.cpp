#include "plataforma/restos.h"

#include "plataforma/ficheros.h"

#include "core/estado.h"
#include "core/partida.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <system_error>
#include <thread>

namespace fs = std::filesystem;

namespace {

// A save takes milliseconds; a game that holds the folder longer is stopped.
constexpr std::chrono::milliseconds esperaMaxima{2000};
constexpr std::chrono::milliseconds pausa{10};
constexpr std::string_view marcaTemporal = ".XXXXXX";

bool EsLetraODigito(char letra)
{
    return (letra >= 'a' && letra <= 'z') || (letra >= 'A' && letra <= 'Z') || (letra >= '0' && letra <= '9');
}

// The longest line a save writes: every field at its most negative.
std::size_t LargoMaximo()
{
    GameState estado;
    for (std::int16_t GameState::*campo : GameState::campos)
        estado.*campo = -32768;
    return TextoPartida(estado).size();
}

// Nothing but the blanks, signs, digits and line end of a save, or a part of one.
bool PareceUnaPartida(const std::string& ruta)
{
    const std::optional<std::string> texto = LeerFicheroNormal(ruta, LargoMaximo());
    return texto && texto->size() <= LargoMaximo() && std::all_of(texto->begin(), texto->end(), [](char letra) {
               return letra == ' ' || letra == '-' || (letra >= '0' && letra <= '9') || letra == '\r'
                      || letra == '\n';
           });
}

} // namespace

CerrojoCarpeta::CerrojoCarpeta(const std::string& carpeta)
{
    descriptor = ::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    const auto plazo = std::chrono::steady_clock::now() + esperaMaxima;
    while (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= plazo) {
            ::close(descriptor);
            descriptor = -1;
            return;
        }
        std::this_thread::sleep_for(pausa);
    }
}

CerrojoCarpeta::~CerrojoCarpeta()
{
    if (descriptor >= 0)
        ::close(descriptor);
}

std::string PatronTemporal(const std::string& ruta) { return ruta + std::string(marcaTemporal); }

bool EsResto(const std::string& ruta, const std::string& nombre)
{
    const fs::path partida(ruta);
    const std::string prefijo = partida.filename().string() + '.';
    const std::size_t letras = marcaTemporal.size() - 1;
    if (nombre.size() != prefijo.size() + letras || !nombre.starts_with(prefijo)
        || !std::all_of(nombre.begin() + std::ptrdiff_t(prefijo.size()), nombre.end(), EsLetraODigito))
        return false;
    const fs::path candidato = partida.parent_path() / nombre;
    std::error_code error;
    return !fs::is_symlink(fs::symlink_status(candidato, error)) && PareceUnaPartida(candidato.string());
}

void BorrarRestos(const std::string& ruta)
{
    const fs::path carpeta = fs::path(ruta).parent_path();
    std::error_code error;
    for (fs::directory_iterator entrada(carpeta.empty() ? fs::path(".") : carpeta, error), fin;
         !error && entrada != fin; entrada.increment(error)) {
        const std::string nombre = entrada->path().filename().string();
        if (EsResto(ruta, nombre))
            ::unlink((carpeta / nombre).c_str());
    }
}
