#pragma once

#include "constructionplan.h"
#include "prices.h"

#include <QByteArray>

// The plan as one JSON object: millimetres in shortest round-trip form,
// points as [u, v] in each panel's own coordinates, arcs as
// [cx, cy, r, start, end] with the angles in degrees in [0, 360),
// counter-clockwise from +u, start and end in outline order; the shopping
// list priced with prices.
QByteArray planJson(const ConstructionPlan& plan, const PriceTable& prices = {});
