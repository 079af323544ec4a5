#pragma once

#include "constructionplan.h"

// The frame curve of a side panel, which the templates are all about: the
// frame arc from the toe up, then the vertical wall edge when there is one.
// Taken from the curve's pivot, frame radius, length and wall height, so it
// is the same curve the outline and the rib stations use.
Outline frameCurve(const CurvePlan& curve);

// The unit normal at a point of the frame curve, pointing into the panel's
// material (away from the pivot; straight back on the wall edge).
QPointF frameNormal(const CurvePlan& curve, QPointF onCurve);

// The frame curve's point at station s (0 at the toe).
QPointF frameStationPoint(const CurvePlan& curve, double s);
