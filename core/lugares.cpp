#include "core/lugares.h"

#include <array>

namespace {

const std::array<Fotos, 9> fotos = {{
    {u"uno2.jpg", u"Fray-Portero.jpg"},
    {u"dentro1.jpg", u"supremus.jpg"},
    {u"garaje.jpg", {}},
    {u"Casa.jpg", {}},
    {u"reja.jpg", {}},
    {u"pozo.jpg", u"tonto.jpg"},
    {u"Aseo.jpg", {}},
    {u"Dentro2.jpg", {}},
    {u"cuarto.jpg", {}},
}};

const std::array<QStringView, 9> nombres = {
    u"Calle", u"Cocina", u"Garaje", u"Segunda cocina", u"Verja",
    u"Patio", u"Aseo", u"Comedor", u"Dormitorio",
};

} // namespace

const Fotos& FotosDe(Lugar lugar)
{
    return fotos.at(lugar - Calle);
}

QStringView NombreDe(qint16 lugar)
{
    return EsLugar(lugar) ? nombres[lugar - Calle] : QStringView();
}
