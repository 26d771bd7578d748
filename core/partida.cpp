#include "core/partida.h"

#include "core/ficheros.h"
#include "core/juego.h"
#include "core/restos.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString fichero = u"partida"_s;

// Empty: the working directory.
QString& CarpetaPartida()
{
    static QString carpeta;
    return carpeta;
}

QString RutaPartida() { return CarpetaPartida().isEmpty() ? fichero : QDir(CarpetaPartida()).filePath(fichero); }

bool EsBlanco(char letra) { return letra == ' ' || letra == '\t'; }
bool EsSalto(char letra) { return letra == '\r' || letra == '\n'; }
bool EsSeparador(char letra) { return EsBlanco(letra) || EsSalto(letra) || letra == ','; }

} // namespace

QByteArray TextoPartida(const GameState& estado)
{
    QByteArray linea;
    for (qint16 GameState::*campo : GameState::campos) {
        const int valor = estado.*campo;
        linea += valor < 0 ? '-' : ' ';
        linea += QByteArray::number(qAbs(valor));
        linea += ' ';
    }
    return linea + "\r\n";
}

std::optional<GameState> LeerPartida(QIODevice& entrada)
{
    const QByteArray texto = entrada.read(tamanoMaximoPartida + 1);
    if (texto.size() > tamanoMaximoPartida)
        return std::nullopt;

    qsizetype en = 0;
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
    for (qsizetype i = 0; i < qsizetype(GameState::campos.size()); ++i) {
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
        leido.*GameState::campos[i] = qint16(valor);
    }
    if (!EsLugar(leido.lugar))
        return std::nullopt;
    return leido;
}

void PonerCarpetaPartida(const QString& carpeta) { CarpetaPartida() = carpeta; }

void Juego::Guardar()
{
    if (!CarpetaPartida().isEmpty())
        QDir().mkpath(CarpetaPartida());
    const QString ruta = RutaPartida();
    // Held to the end: no other game's sweep takes our temporary file for
    // the leftovers of a killed save.
    const CerrojoCarpeta cerrojo(QFileInfo(ruta).absolutePath());
    QSaveFile salida(ruta);
    const QByteArray texto = TextoPartida(estado);
    // QSaveFile commits a short write (a full disk) as if it were whole;
    // flushing first catches it, and an uncommitted file is thrown away.
    const bool guardada = salida.open(QIODevice::WriteOnly) && salida.write(texto) == texto.size()
                          && salida.flush() && salida.commit();
    // A save killed halfway left its temporary file behind: gone now.
    if (guardada && cerrojo.Tomado())
        BorrarRestos(ruta);
    ventana.AnadirLinea(guardada ? u"Partida guardada"_s : u"No se ha podido guardar la partida."_s);
}

void Juego::Cargar()
{
    QFile entrada(RutaPartida());
    std::optional<GameState> leido;
    if (AbrirFicheroNormal(entrada))
        leido = LeerPartida(entrada);
    if (!leido) {
        ventana.AnadirLinea(
            u"No se puede cargar la partida porque no hay ninguna guardada o no se ha podido leer el fichero."_s);
        return;
    }

    estado = *leido;
    ventana.VaciarLista();
    ventana.PonerOrdenes(QString());
    MostrarFotosDelLugar();
}
