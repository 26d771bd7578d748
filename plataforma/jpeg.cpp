#include "plataforma/graficos.h"

#include <cstdint>

namespace {

constexpr std::uint8_t marca = 0xFF;
constexpr std::uint8_t inicioImagen = 0xD8;
constexpr std::uint8_t inicioBarrido = 0xDA; // the picture data starts: no size came before

// Start-of-frame markers carry the size; 0xC4, 0xC8 and 0xCC share the range
// but hold tables.
bool EsInicioTrama(std::uint8_t tipo)
{
    return tipo >= 0xC0 && tipo <= 0xCF && tipo != 0xC4 && tipo != 0xC8 && tipo != 0xCC;
}

// Markers that stand alone, without a length.
bool EsSuelto(std::uint8_t tipo)
{
    return tipo == 0x01 || (tipo >= 0xD0 && tipo <= 0xD7);
}

// Reads the bytes of a header in turn, and tells when they run out.
class Cabecera {
public:
    explicit Cabecera(std::string_view datos) : datos(datos) {}

    bool Byte(std::uint8_t& byte)
    {
        if (en >= datos.size())
            return false;
        byte = std::uint8_t(datos[en++]);
        return true;
    }

    bool Entero16(int& valor)
    {
        std::uint8_t alto = 0;
        std::uint8_t bajo = 0;
        if (!Byte(alto) || !Byte(bajo))
            return false;
        valor = (alto << 8) | bajo;
        return true;
    }

    bool Saltar(std::size_t cuantos)
    {
        if (datos.size() - en < cuantos)
            return false;
        en += cuantos;
        return true;
    }

private:
    std::string_view datos;
    std::size_t en = 0;
};

} // namespace

std::optional<Tamano> TamanoJpeg(std::string_view datos)
{
    Cabecera cabecera(datos);
    std::uint8_t byte = 0;
    if (!cabecera.Byte(byte) || byte != marca || !cabecera.Byte(byte) || byte != inicioImagen)
        return std::nullopt;
    for (;;) {
        if (!cabecera.Byte(byte) || byte != marca)
            return std::nullopt;
        while (byte == marca) // fill bytes
            if (!cabecera.Byte(byte))
                return std::nullopt;
        const std::uint8_t tipo = byte;
        if (EsSuelto(tipo))
            continue;
        if (tipo == inicioBarrido || tipo == inicioImagen)
            return std::nullopt;
        int largo = 0;
        if (!cabecera.Entero16(largo) || largo < 2)
            return std::nullopt;
        if (EsInicioTrama(tipo)) {
            // Precision, height, width.
            Tamano tamano;
            if (!cabecera.Saltar(1) || !cabecera.Entero16(tamano.alto) || !cabecera.Entero16(tamano.ancho))
                return std::nullopt;
            return tamano.ancho > 0 && tamano.alto > 0 ? std::optional(tamano) : std::nullopt;
        }
        if (!cabecera.Saltar(std::size_t(largo - 2)))
            return std::nullopt;
    }
}
