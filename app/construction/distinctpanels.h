#pragma once

#include "constructionplan.h"

#include <QString>
#include <vector>

// A side panel shape to draw once: the right curve's panel is the left's when
// both curves are built alike, and is then counted with it.
struct DistinctPanel {
    int curve = leftCurve;
    int count = 0;   // panels of this shape in the whole ramp
    QString caption; // "Flanc gauche", "Flancs gauche et droit"
};

std::vector<DistinctPanel> distinctPanels(const ConstructionPlan& plan);
