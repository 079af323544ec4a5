#pragma once

#include <type_traits>

// The guard of every chart setting's setter: stores value and says whether
// that changed anything, so that the setter repaints only after a real change:
//
//     if (assignIfChanged(m_colour, colour)) requestRepaint();
template <class T>
[[nodiscard]] bool assignIfChanged(T& field, const std::type_identity_t<T>& value) {
    if (field == value) return false;
    field = value;
    return true;
}
