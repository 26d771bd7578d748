#pragma once

#include "core/juego.h"
#include "core/ventana.h"

#include <QStringList>

#include <iosfwd>

// The game window as a terminal sees it: the list, the command box with its
// caret, and the names of the pictures shown.
class VentanaTexto final : public Ventana {
public:
    void VaciarLista() override;
    void AnadirLinea(const QString& linea) override;
    QString LeerOrdenes() const override;
    void PonerOrdenes(const QString& texto) override;
    void InsertarOrdenes(const QString& texto) override;
    void CargarImagen(Imagen imagen, const QString& fichero) override;
    void MostrarPersonaje(bool visible) override;
    void MostrarFinal() override;
    void Despedirse(const QString& despedida) override;

    QStringList lista;
    QString ordenes;
    qsizetype cursor = 0;
    QString image3;
    QString image2; // empty while it shows the stored picture
    bool personajeVisible = true;
    bool final = false;
    QString despedida; // set by Esc
};

// The game played line by line: orders, and ":" commands for the clicks and
// keys of the game window.
class Terminal {
public:
    Terminal();

    // Runs one input line and writes what the player sees. False once the
    // game is over.
    bool Ejecutar(QString linea, std::ostream& salida, std::ostream& errores);

private:
    bool Comando(const QString& comando, std::ostream& salida, std::ostream& errores);

    VentanaTexto ventana;
    Juego juego;
};
