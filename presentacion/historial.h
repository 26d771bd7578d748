#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

// The orders sent with Enter, recalled with Up and Down in the command box.
class Historial {
public:
    // The oldest orders are forgotten beyond this many.
    static constexpr std::size_t capacidad = 100;

    // An order sent. An empty one, or one equal to the order before it, is
    // not kept twice; either way, Up starts again from the newest.
    void Anotar(const std::u16string& orden);

    // Up: the order before the one shown; nothing at the oldest.
    std::optional<std::u16string> Anterior();
    // Down: the order after the one shown, and an empty box after the
    // newest; nothing while no order is shown.
    std::optional<std::u16string> Siguiente();

private:
    std::deque<std::u16string> ordenes;
    // The order shown; ordenes.size() while none is.
    std::size_t mostrada = 0;
};
