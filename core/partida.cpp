#include "core/partida.h"

#include "core/juego.h"

namespace {

bool EsBlanco(char letra) { return letra == ' ' || letra == '\t'; }
bool EsSalto(char letra) { return letra == '\r' || letra == '\n'; }
bool EsSeparador(char letra) { return EsBlanco(letra) || EsSalto(letra) || letra == ','; }

} // namespace

std::string TextoPartida(const GameState& estado)
{
    std::string linea;
    for (std::int16_t GameState::*campo : GameState::campos) {
        const int valor = estado.*campo;
        linea += valor < 0 ? '-' : ' ';
        linea += std::to_string(valor < 0 ? -valor : valor);
        linea += ' ';
    }
    return linea + "\r\n";
}

std::optional<GameState> LeerPartida(std::string_view texto)
{
    if (texto.size() > tamanoMaximoPartida)
        return std::nullopt;

    std::size_t en = 0;
    char letra = 0;
    bool hay = false;
    const auto siguiente = [&] {
        hay = en < texto.size();
        if (hay)
            letra = texto[en++];
    };
    siguiente();

    while (hay && (EsBlanco(letra) || EsSalto(letra)))
        siguiente();

    GameState leido;
    for (std::size_t i = 0; i < GameState::campos.size(); ++i) {
        if (i > 0) {
            bool coma = false;
            while (hay && (EsBlanco(letra) || EsSalto(letra) || (letra == ',' && !coma))) {
                coma = coma || letra == ',';
                siguiente();
            }
        }
        const bool negativo = hay && letra == '-';
        if (negativo)
            siguiente();
        int valor = 0;
        int digitos = 0;
        for (; hay && letra >= '0' && letra <= '9'; siguiente(), ++digitos) {
            valor = valor * 10 + (letra - '0');
            if (valor > 32768)
                return std::nullopt;
        }
        if (digitos == 0)
            return std::nullopt;
        if (negativo)
            valor = -valor;
        if (valor > 32767)
            return std::nullopt;
        // "12abc" or "1.5" is no whole number.
        if (hay && !EsSeparador(letra))
            return std::nullopt;
        leido.*GameState::campos[i] = std::int16_t(valor);
    }
    if (!EsLugar(leido.lugar))
        return std::nullopt;
    return leido;
}

std::optional<GameState> LeerPartida(Almacen& almacen)
{
    const std::optional<std::string> texto = almacen.Leer();
    return texto ? LeerPartida(*texto) : std::nullopt;
}

bool Juego::Guardar()
{
    const bool guardada = almacen.Guardar(TextoPartida(estado));
    ventana.AnadirLinea(guardada ? historia.textos.guardada : historia.textos.noGuardada);
    return guardada;
}

bool Juego::Cargar()
{
    const std::optional<GameState> leido = LeerPartida(almacen);
    if (!leido) {
        ventana.AnadirLinea(historia.textos.noCargada);
        return false;
    }

    estado = *leido;
    ventana.VaciarLista();
    ventana.PonerOrdenes({});
    MostrarFotosDelLugar();
    return true;
}
