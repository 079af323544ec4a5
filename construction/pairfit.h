#pragma once

#include "outline.h"

#include <optional>

// Two parts fitted together on a sheet, as close as the kerf lets them: the
// lower part stays put and the upper one slides down onto it from above, at
// every horizontal offset tried, in every combination of mirror and half turn.

// How a part lies on the sheet: mirrored first (u -> L - u), then turned 180
// degrees about its bounding box's centre.
struct Orientation {
    bool mirrored = false;
    bool turned = false;
};

// The outline in that orientation, moved so that its bounding box's lower-left
// corner is at the origin.
Outline orientedOutline(const Outline& outline, Orientation orientation);

struct PairFit {
    Orientation lower;
    Orientation upper;
    // Lower-left corners of the parts' bounding boxes within the pair's box,
    // whose lower-left corner is the origin.
    QPointF lowerCorner;
    QPointF upperCorner;
    double width = 0; // the pair's bounding box
    double height = 0;
};

// The best way to put upper over lower with at least kerf between their true
// shapes, within a box of maxWidth x maxHeight; best means most pairs on such
// a box (kerf between pairs), then the smallest area. Nothing when no way fits.
// Every way of putting lower over upper is one of these turned about. Pass the
// same object twice for two copies of one part (fewer cases to try).
std::optional<PairFit> fitPair(const Outline& lower, const Outline& upper, double kerf,
                               double maxWidth, double maxHeight);
