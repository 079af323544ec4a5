#pragma once

#include "outline.h"

#include <numbers>
#include <vector>

// A circular arc as cubic Bézier pieces. PDF has no true arc operator, and
// Qt's own arcTo cuts a circle into quarter pieces, which stray 0.4 mm from a
// 1.5 m frame radius; pieces of at most 30° stay within a micrometre.
struct CubicBezier {
    QPointF start;
    QPointF control1;
    QPointF control2;
    QPointF end;
};

inline constexpr double maxBezierSweep = std::numbers::pi / 6;

// The arc (Segment::Kind::Arc) cut into equal pieces of at most maxSweep
// radians each, in the arc's direction; the first starts at arc.from and the
// last ends at arc.to.
std::vector<CubicBezier> arcToBeziers(const Segment& arc, double maxSweep = maxBezierSweep);

// The point of a piece at parameter t in [0, 1].
QPointF bezierPoint(const CubicBezier& piece, double t);
