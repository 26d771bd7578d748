#pragma once

#include "core/ventana.h"

#include <QStringList>

// The game window kept in memory, and nothing read from disk: what the list,
// the command box with its caret and the two pictures hold.
class VentanaMemoria final : public Ventana {
public:
    void VaciarLista() override { lista.clear(); }
    void AnadirLinea(const QString& linea) override { lista.append(linea); }
    QString LeerOrdenes() const override { return ordenes; }
    void PonerOrdenes(const QString& texto) override
    {
        ordenes = texto;
        cursor = 0;
    }
    void InsertarOrdenes(const QString& texto) override
    {
        ordenes.insert(cursor, texto);
        cursor += texto.size();
    }
    void CargarImagen(Imagen imagen, const QString& fichero) override
    {
        (imagen == Imagen::Personaje ? image2 : image3) = fichero;
    }
    void MostrarPersonaje(bool visible) override { personajeVisible = visible; }
    void MostrarFinal() override { terminado = true; }
    void Despedirse(const QString&) override { terminado = true; }

    QStringList lista;
    QString ordenes;
    qsizetype cursor = 0;
    QString image3;
    QString image2; // empty while it shows the picture the window opened with
    bool personajeVisible = true;
    bool terminado = false;
};
