#include "texto/ventana_texto.h"

#include "core/utf8.h"
#include "plataforma/graficos.h"

#include <cstdio>

void VentanaTexto::CargarImagen(Imagen imagen, std::u16string_view fichero)
{
    VentanaMemoria::CargarImagen(imagen, fichero);
    const std::string nombre = Utf8(fichero);
    const std::string ruta = RutaGrafico(nombre);
    if (ruta.empty() || !LeerImagen(ruta)) {
        std::fprintf(stderr, "talpin-texto: no se puede leer la imagen graficos/%s\n", nombre.c_str());
        std::fflush(stderr);
    }
}
