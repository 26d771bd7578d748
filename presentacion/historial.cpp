#include "presentacion/historial.h"

#include <algorithm>

namespace {

// Blank as QString::trimmed() takes it, within the Latin-1 range the game types.
bool EnBlanco(const std::u16string& orden)
{
    return std::all_of(orden.begin(), orden.end(),
        [](char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r') || c == 0x85 || c == 0xA0; });
}

} // namespace

void Historial::Anotar(const std::u16string& orden)
{
    if (!EnBlanco(orden) && (ordenes.empty() || ordenes.back() != orden)) {
        ordenes.push_back(orden);
        if (ordenes.size() > capacidad)
            ordenes.pop_front();
    }
    mostrada = ordenes.size();
}

std::optional<std::u16string> Historial::Anterior()
{
    if (mostrada == 0)
        return std::nullopt;
    return ordenes.at(--mostrada);
}

std::optional<std::u16string> Historial::Siguiente()
{
    if (mostrada == ordenes.size())
        return std::nullopt;
    ++mostrada;
    return mostrada == ordenes.size() ? std::u16string() : ordenes.at(mostrada);
}
