#include "web/fotos.h"

std::string FotoEnPagina(std::string_view ruta)
{
    std::string nombre(ruta.substr(0, ruta.rfind('.')));
    for (char& c : nombre)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return nombre + ".svg";
}
