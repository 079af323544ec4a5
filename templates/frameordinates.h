#pragma once

#include "constructionplan.h"

#include <QString>
#include <vector>

// The frame curve as numbers a builder can mark on the plywood without a
// printer: heights above the ground every step from the toe, the corners of
// the notch, and the string method.

struct FrameOrdinate {
    double fromToe = 0; // horizontal distance from the toe toward the back end
    double height = 0;  // of the frame curve above the ground
};

// From the toe (height = flat) every step mm back to the top of the frame
// arc, and, where the arc is steeper than 45°, at every heightStep mm of
// height above the ground (but one within 1 mm of another's height); a
// wall's vertical edge has no single height and is left to the corners.
// Sorted from the toe; heights rise strictly.
std::vector<FrameOrdinate> frameOrdinates(const CurvePlan& curve, double step = 100,
                                          double heightStep = 50);

struct MarkedPoint {
    QString name; // French, as printed
    QPointF at;   // panel coordinates
};

// The points where the frame curve ends and the notch turns: the top of the
// frame arc (the wall's foot when there is a wall), the top of the wall edge,
// and the notch's floor and back-wall corners (or the top corner when there
// is no notch).
std::vector<MarkedPoint> frameCorners(const CurvePlan& curve);

// Inches to the nearest sixteenth, the fraction reduced: 31 1/4", 3 1/2", 5/8".
QString inchesText(double mm);
