#include "texto/ventana_texto.h"

#include "core/ficheros.h"
#include "core/graficos.h"

#include <QFile>

#include <iostream>

using namespace Qt::Literals::StringLiterals;

void VentanaTexto::VaciarLista() { lista.clear(); }

void VentanaTexto::AnadirLinea(const QString& linea) { lista.append(linea); }

QString VentanaTexto::LeerOrdenes() const { return ordenes; }

void VentanaTexto::PonerOrdenes(const QString& texto)
{
    ordenes = texto;
    cursor = 0;
}

void VentanaTexto::InsertarOrdenes(const QString& texto)
{
    ordenes.insert(cursor, texto);
    cursor += texto.size();
}

void VentanaTexto::CargarImagen(Imagen imagen, const QString& fichero)
{
    (imagen == Imagen::Personaje ? image2 : image3) = fichero;
    QFile grafico(RutaGrafico(fichero));
    std::optional<QSize> tamano;
    if (AbrirFicheroNormal(grafico))
        tamano = TamanoJpeg(grafico);
    if (!tamano || !TamanoAdmisible(*tamano))
        std::cerr << "talpin-texto: no se puede leer la imagen graficos/" << fichero.toStdString()
                  << std::endl;
}

void VentanaTexto::MostrarPersonaje(bool visible) { personajeVisible = visible; }

void VentanaTexto::MostrarFinal() { final = true; }

void VentanaTexto::Despedirse(const QString& texto) { despedida = texto; }
