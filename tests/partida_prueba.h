#pragma once

#include "core/juego.h"
#include "core/ventana_memoria.h"
#include "plataforma/fichero_partida.h"
#include "ui/cadenas.h"
#include "world/historia.h"

#include <QStringList>
#include <QTest>

#include <algorithm>
#include <array>

// The message list in Qt's types, which QCOMPARE prints.
inline QStringList DeJuego(const std::vector<std::u16string>& lineas)
{
    QStringList lista;
    for (const std::u16string& linea : lineas)
        lista << DeJuego(linea);
    return lista;
}

// A game over a window kept in memory, saving to the file "partida", started
// as the window starts it or put into a situation by hand, and driven by
// typed orders.
struct Partida {
    VentanaMemoria ventana;
    FicheroPartida fichero;
    Juego juego{ventana, fichero, ElMonjeTalpin()};

    // "astilla=1 cayena=1" sets those fields, in the order of the saved game.
    static void Poner(GameState& estado, const QString& campos)
    {
        static const std::array<QStringView, 16> nombres = {
            u"lugar",   u"astilla",        u"hierro",           u"cayena",
            u"guantes", u"condones",       u"astillaPicante",   u"supremusPinchado",
            u"condonesCalientes", u"movil", u"jabon",           u"ingredientes",
            u"receta",  u"manzana",        u"salfuman",         u"numeroPozo",
        };
        for (const QString& campo : campos.split(u' ', Qt::SkipEmptyParts)) {
            const QStringList partes = campo.split(u'=');
            const auto it = std::find(nombres.begin(), nombres.end(), partes.value(0));
            QVERIFY2(it != nombres.end() && partes.size() == 2, qPrintable(campo));
            estado.*GameState::campos[it - nombres.begin()] = qint16(partes[1].toShort());
        }
    }

    // A game as the window starts it: in the street, the opening line listed.
    Partida() { juego.Empezar(); }

    explicit Partida(const GameState& estado) { juego.estado = estado; }

    Partida(Lugar lugar, const QString& campos = QString())
    {
        juego.estado.lugar = lugar;
        Poner(juego.estado, campos);
    }

    // Types the order and presses Enter; returns the message list.
    QStringList Orden(const QString& orden)
    {
        ventana.lista = {u"lo de antes"};
        ventana.ordenes = AlJuego(orden);
        ventana.cursor = ventana.ordenes.size();
        juego.Pulsar(Mando::Intro);
        return DeJuego(ventana.lista);
    }
};

// Every line starts with its speaker label; a label that ends in the colon
// is followed directly by the text.
inline void ComprobarEtiquetas(const QStringList& lineas, const QStringList& etiquetas)
{
    QCOMPARE(lineas.size(), etiquetas.size());
    for (qsizetype i = 0; i < lineas.size(); ++i) {
        QVERIFY2(lineas[i].startsWith(etiquetas[i]), qPrintable(lineas[i]));
        QVERIFY2(lineas[i].size() > etiquetas[i].size() + 1, qPrintable(lineas[i]));
        if (etiquetas[i].endsWith(u':'))
            QVERIFY2(lineas[i][etiquetas[i].size()] != u' ', qPrintable(lineas[i]));
    }
}
