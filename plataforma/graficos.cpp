#include "plataforma/graficos.h"

#include "plataforma/ficheros.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<std::string>& Carpetas()
{
    static std::vector<std::string> carpetas{"graficos"};
    return carpetas;
}

bool MismoNombre(std::string_view a, std::string_view b)
{
    const auto minuscula = [](unsigned char letra) { return letra >= 'A' && letra <= 'Z' ? letra + ('a' - 'A') : letra; };
    return a.size() == b.size()
           && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return minuscula(x) == minuscula(y); });
}

bool EsFichero(const fs::path& ruta)
{
    std::error_code error;
    return fs::is_regular_file(ruta, error);
}

std::string BuscarEn(const fs::path& carpeta, std::string_view nombre)
{
    if (nombre.empty() || nombre.find('/') != nombre.npos)
        return {};
    const fs::path exacto = carpeta / fs::path(nombre);
    if (EsFichero(exacto))
        return exacto.string();
    std::error_code error;
    for (fs::directory_iterator entrada(carpeta.empty() ? fs::path(".") : carpeta, error), fin;
         !error && entrada != fin; entrada.increment(error)) {
        const fs::path& ruta = entrada->path();
        if (MismoNombre(ruta.filename().string(), nombre) && EsFichero(ruta))
            return (carpeta / ruta.filename()).string();
    }
    return {};
}

} // namespace

std::string RutaGrafico(std::string_view nombre)
{
    for (const std::string& carpeta : Carpetas())
        if (std::string ruta = BuscarEn(carpeta, nombre); !ruta.empty())
            return ruta;
    return {};
}

void AnadirCarpetaGraficos(const std::string& carpeta) { Carpetas().push_back(carpeta); }

std::string RutaJunto(const std::string& ruta, std::string_view nombre)
{
    return BuscarEn(fs::path(ruta).parent_path(), nombre);
}

bool TamanoAdmisible(Tamano tamano)
{
    return tamano.ancho > 0 && tamano.alto > 0 && tamano.ancho <= tamanoMaximoImagen.ancho
           && tamano.alto <= tamanoMaximoImagen.alto;
}

std::optional<std::string> LeerImagen(const std::string& ruta)
{
    std::optional<std::string> datos = LeerFicheroNormal(ruta, bytesMaximosImagen);
    if (!datos || datos->size() > bytesMaximosImagen)
        return std::nullopt;
    const std::optional<Tamano> tamano = TamanoJpeg(*datos);
    if (!tamano || !TamanoAdmisible(*tamano))
        return std::nullopt;
    return datos;
}
