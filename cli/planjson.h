#pragma once

#include "constructionplan.h"

#include <QByteArray>

// The plan as one JSON object: millimetres in shortest round-trip form,
// points as [u, v] in each panel's own coordinates, arcs as
// [cx, cy, r, start, end] with the angles in degrees in [0, 360),
// counter-clockwise from +u, start and end in outline order.
QByteArray planJson(const ConstructionPlan& plan);
