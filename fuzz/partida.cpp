// The saved-game reader against the all-or-nothing rules: a load either
// restores exactly the sixteen numbers in the file or changes nothing, and
// whatever a save writes loads back unchanged.
#include "comprobar.h"

#include "core/juego.h"
#include "core/partida.h"
#include "core/ventana_memoria.h"
#include "plataforma/fichero_partida.h"
#include "world/escenas.h"
#include "world/historia.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

// What a load must read, written apart from the game's reader: blanks and
// line breaks first, then sixteen whole numbers in 16-bit range, each
// followed by a separator or the end, and between two of them blanks and
// line breaks with at most one comma; a place of 1 to 9.
std::optional<GameState> Esperado(std::string_view texto)
{
    if (texto.size() > tamanoMaximoPartida)
        return std::nullopt;
    const auto blanco = [](char letra) { return letra == ' ' || letra == '\t' || letra == '\r' || letra == '\n'; };
    std::size_t en = 0;
    const auto saltar = [&] {
        while (en < texto.size() && blanco(texto[en]))
            ++en;
    };
    saltar();
    GameState estado;
    for (std::size_t i = 0; i < GameState::campos.size(); ++i) {
        if (i > 0) {
            saltar();
            if (en < texto.size() && texto[en] == ',') {
                ++en;
                saltar();
            }
        }
        const std::size_t inicio = en;
        if (en < texto.size() && texto[en] == '-')
            ++en;
        const std::size_t digitos = en;
        while (en < texto.size() && texto[en] >= '0' && texto[en] <= '9')
            ++en;
        if (en == digitos || (en < texto.size() && !blanco(texto[en]) && texto[en] != ','))
            return std::nullopt;
        int valor = 0;
        const auto [fin, error] = std::from_chars(texto.data() + inicio, texto.data() + en, valor);
        if (error != std::errc() || valor < -32768 || valor > 32767)
            return std::nullopt;
        estado.*GameState::campos[i] = std::int16_t(valor);
    }
    if (estado.lugar < Calle || estado.lugar > Dormitorio)
        return std::nullopt;
    return estado;
}

// Any state a game could hold, taken from the input's first bytes.
GameState EstadoCualquiera(std::string_view texto)
{
    GameState estado;
    for (std::size_t i = 0; i < GameState::campos.size(); ++i) {
        std::int16_t valor = 0;
        if (2 * i + sizeof valor <= texto.size())
            std::memcpy(&valor, texto.data() + 2 * i, sizeof valor);
        estado.*GameState::campos[i] = valor;
    }
    estado.lugar = std::int16_t(Calle + std::uint16_t(estado.lugar) % Dormitorio);
    return estado;
}

// The file loaded through the button, over a game in any state.
void CargarBoton(std::string_view texto, const std::optional<GameState>& esperado)
{
    std::ofstream salida("partida", std::ios::binary | std::ios::trunc);
    if (!salida.write(texto.data(), std::streamsize(texto.size())) || !salida.flush())
        std::abort();
    salida.close();

    VentanaMemoria ventana;
    FicheroPartida fichero;
    Juego juego(ventana, fichero, ElMonjeTalpin());
    juego.Empezar();
    juego.estado = EstadoCualquiera(texto.substr(std::min<std::size_t>(texto.size(), 7)));
    ventana.ordenes = u"mirar";
    const GameState antes = juego.estado;
    const std::vector<std::u16string> lista = ventana.lista;
    EXIGIR(juego.Cargar() == esperado.has_value());

    if (esperado) {
        EXIGIR(juego.estado == *esperado);
        const Escena& escena = Escenas[esperado->lugar - Calle];
        EXIGIR(ventana.lista.empty() && ventana.ordenes.empty());
        EXIGIR(MismoFichero(ventana.image3, escena.foto));
        EXIGIR(ventana.personajeVisible == !escena.fotoPersonaje.empty());
        EXIGIR(!ventana.personajeVisible || MismoFichero(ventana.image2, escena.fotoPersonaje));
    } else {
        EXIGIR(juego.estado == antes);
        EXIGIR(ventana.lista.size() == lista.size() + 1
               && std::equal(lista.begin(), lista.end(), ventana.lista.begin()));
        EXIGIR(ventana.ordenes == u"mirar");
        EXIGIR(MismoFichero(ventana.image3, Escenas[0].foto) && ventana.image2.empty() && ventana.personajeVisible);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    TrabajarEnCarpetaPropia();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano)
{
    const std::string_view texto(reinterpret_cast<const char*>(datos), tamano);
    const std::optional<GameState> esperado = Esperado(texto);
    EXIGIR(LeerPartida(texto) == esperado);

    // What a save writes loads back as it was.
    const GameState estado = EstadoCualquiera(texto);
    EXIGIR(LeerPartida(TextoPartida(estado)) == estado);

    CargarBoton(texto, esperado);
    return 0;
}
