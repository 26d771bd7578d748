// The saved-game reader against the all-or-nothing rules: a load either
// restores exactly the sixteen numbers in the file or changes nothing, and
// whatever a save writes loads back unchanged.
#include "comprobar.h"
#include "ventana_memoria.h"

#include "core/juego.h"
#include "core/lugares.h"
#include "core/partida.h"

#include <QBuffer>
#include <QFile>

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

using namespace Qt::Literals::StringLiterals;

namespace {

// What a load must read, written apart from the game's reader: blanks and
// line breaks first, then sixteen whole numbers in 16-bit range, each
// followed by a separator or the end, and between two of them blanks and
// line breaks with at most one comma; a place of 1 to 9.
std::optional<GameState> Esperado(std::string_view texto)
{
    if (qint64(texto.size()) > tamanoMaximoPartida)
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
        estado.*GameState::campos[i] = qint16(valor);
    }
    if (estado.lugar < Calle || estado.lugar > Dormitorio)
        return std::nullopt;
    return estado;
}

std::optional<GameState> Leer(const QByteArray& texto)
{
    QBuffer buffer;
    buffer.setData(texto);
    buffer.open(QIODevice::ReadOnly);
    return LeerPartida(buffer);
}

bool Igual(const QString& fichero, QStringView nombre)
{
    return fichero.compare(nombre, Qt::CaseInsensitive) == 0;
}

// Any state a game could hold, taken from the input's first bytes.
GameState Cualquiera(const QByteArray& texto)
{
    GameState estado;
    for (std::size_t i = 0; i < GameState::campos.size(); ++i) {
        qint16 valor = 0;
        if (qsizetype(2 * i + sizeof valor) <= texto.size())
            std::memcpy(&valor, texto.constData() + 2 * i, sizeof valor);
        estado.*GameState::campos[i] = valor;
    }
    estado.lugar = qint16(Calle + quint16(estado.lugar) % Dormitorio);
    return estado;
}

// The file loaded through the button, over a game in any state.
void CargarBoton(const QByteArray& texto, const std::optional<GameState>& esperado)
{
    QFile fichero(u"partida"_s);
    if (!fichero.open(QIODevice::WriteOnly) || fichero.write(texto) != texto.size())
        std::abort();
    fichero.close();

    VentanaMemoria ventana;
    Juego juego(ventana);
    juego.Empezar();
    juego.estado = Cualquiera(texto.sliced(qMin(texto.size(), qsizetype(7))));
    ventana.ordenes = u"mirar"_s;
    const GameState antes = juego.estado;
    const QStringList lista = ventana.lista;
    juego.Cargar();

    if (esperado) {
        EXIGIR(juego.estado == *esperado);
        const Fotos& fotos = FotosDe(Lugar(esperado->lugar));
        EXIGIR(ventana.lista.isEmpty() && ventana.ordenes.isEmpty());
        EXIGIR(Igual(ventana.image3, fotos.lugar));
        EXIGIR(ventana.personajeVisible == !fotos.personaje.isEmpty());
        EXIGIR(!ventana.personajeVisible || Igual(ventana.image2, fotos.personaje));
    } else {
        EXIGIR(juego.estado == antes);
        EXIGIR(ventana.lista.size() == lista.size() + 1 && ventana.lista.first(lista.size()) == lista);
        EXIGIR(ventana.ordenes == u"mirar"_s);
        EXIGIR(Igual(ventana.image3, FotosDe(Calle).lugar) && ventana.image2.isEmpty() && ventana.personajeVisible);
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
    const QByteArray texto(reinterpret_cast<const char*>(datos), qsizetype(tamano));
    const std::optional<GameState> esperado = Esperado(std::string_view(texto.constData(), texto.size()));
    EXIGIR(Leer(texto) == esperado);

    // What a save writes loads back as it was.
    const GameState estado = Cualquiera(texto);
    EXIGIR(Leer(TextoPartida(estado)) == estado);

    CargarBoton(texto, esperado);
    return 0;
}
