#pragma once

#include <QPointF>

#include <array>
#include <vector>

// The triangles of a simple polygon (counter-clockwise, the closing point not
// repeated, no three neighbouring points in line), as indices into it, each
// triangle counter-clockwise: ear clipping, which handles the notches and
// inner corners of a part's outline where a fan from one corner would not.
std::vector<std::array<int, 3>> triangulatePolygon(const std::vector<QPointF>& polygon);

// Twice the polygon's signed area: positive when counter-clockwise.
double doubleSignedArea(const std::vector<QPointF>& polygon);
