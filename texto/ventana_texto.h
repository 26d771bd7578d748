#pragma once

#include "core/ventana.h"

#include <QStringList>

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
