#pragma once

#include "core/ventana.h"

#include <QString>
#include <QStringList>

// The game window as the tests read it, in Qt's types: the list, the
// command box with its caret, and the names of the pictures shown.
class VentanaPrueba final : public Ventana {
public:
    void VaciarLista() override { lista.clear(); }
    void AnadirLinea(std::u16string_view linea) override { lista.append(Q(linea)); }
    std::u16string LeerOrdenes() const override { return ordenes.toStdU16String(); }
    void PonerOrdenes(std::u16string_view texto) override
    {
        ordenes = Q(texto);
        cursor = 0;
    }
    void InsertarOrdenes(std::u16string_view texto) override
    {
        ordenes.insert(cursor, Q(texto));
        cursor += qsizetype(texto.size());
    }
    void CargarImagen(Imagen imagen, std::u16string_view fichero) override
    {
        (imagen == Imagen::Personaje ? image2 : image3) = Q(fichero);
    }
    void MostrarPersonaje(bool visible) override { personajeVisible = visible; }
    void MostrarFinal() override { final = true; }
    void Despedirse(std::u16string_view texto) override { despedida = Q(texto); }

    static QString Q(std::u16string_view texto)
    {
        return QString(reinterpret_cast<const QChar*>(texto.data()), qsizetype(texto.size()));
    }

    QStringList lista;
    QString ordenes;
    qsizetype cursor = 0;
    QString image3;
    QString image2; // empty while it shows the stored picture
    bool personajeVisible = true;
    bool final = false;
    QString despedida; // set by Esc
};
