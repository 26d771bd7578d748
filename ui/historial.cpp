#include "ui/historial.h"

void Historial::Anotar(const QString& orden)
{
    if (!orden.trimmed().isEmpty() && (ordenes.isEmpty() || ordenes.back() != orden)) {
        ordenes.append(orden);
        if (ordenes.size() > capacidad)
            ordenes.removeFirst();
    }
    mostrada = ordenes.size();
}

std::optional<QString> Historial::Anterior()
{
    if (mostrada == 0)
        return std::nullopt;
    return ordenes.at(--mostrada);
}

std::optional<QString> Historial::Siguiente()
{
    if (mostrada == ordenes.size())
        return std::nullopt;
    ++mostrada;
    return mostrada == ordenes.size() ? QString() : ordenes.at(mostrada);
}
