#include "texto/ventana_texto.h"

#include "core/utf8.h"
#include "plataforma/graficos.h"

#include <cstdio>

void VentanaTexto::VaciarLista() { lista.clear(); }

void VentanaTexto::AnadirLinea(std::u16string_view linea) { lista.emplace_back(linea); }

std::u16string VentanaTexto::LeerOrdenes() const { return ordenes; }

void VentanaTexto::PonerOrdenes(std::u16string_view texto)
{
    ordenes = texto;
    cursor = 0;
}

void VentanaTexto::InsertarOrdenes(std::u16string_view texto)
{
    ordenes.insert(cursor, texto);
    cursor += texto.size();
}

void VentanaTexto::CargarImagen(Imagen imagen, std::u16string_view fichero)
{
    (imagen == Imagen::Personaje ? image2 : image3) = fichero;
    const std::string nombre = Utf8(fichero);
    const std::string ruta = RutaGrafico(nombre);
    if (ruta.empty() || !LeerImagen(ruta)) {
        std::fprintf(stderr, "talpin-texto: no se puede leer la imagen graficos/%s\n", nombre.c_str());
        std::fflush(stderr);
    }
}

void VentanaTexto::MostrarPersonaje(bool visible) { personajeVisible = visible; }

void VentanaTexto::MostrarFinal() { final = true; }

void VentanaTexto::Despedirse(std::u16string_view texto) { despedida = texto; }
