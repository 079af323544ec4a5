#pragma once

#include "constructionplan.h"

// The side panel of one curve (H > 0) in its own coordinates: the frame
// circle, the coping's notch, the outline and the frame curve's length. The
// stations, ribs, panel count and split pieces are left for the plan to fill
// (pieces holds the whole outline). Lengths in mm; back is the panel's
// length behind the riding lip.
CurvePlan curveGeometry(double deck, double radius, double height, double back,
                        const ConstructionSettings& settings);

// The coping pipe's centre relative to the pivot, for a pipe of diameter
// `pipe` whose top stands `reveal` above the deck surface and which stands
// `reveal` proud of the riding surface (u toward the flat, v up).
QPointF pipeFromPivot(double radius, double height, double pipe, double reveal);

// The index in the outline of the frame arc (the wall edge, when there is
// one, follows it).
constexpr int frameArcSegment = 2;
