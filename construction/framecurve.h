#pragma once

#include "constructionplan.h"

#include <array>

// The frame curve of a side panel, which the ribs stand on and the templates
// are all about: the frame arc from the toe up, then the vertical wall edge
// when the curve is a wall. Stations s run along it, 0 at the toe and
// curveLength at the top. The outline, the splits, the rib drawings in the
// window and the templates and the cut files' marks all take it from here.

// A station on the frame curve.
struct FrameStation {
    QPointF point;
    // The unit normal pointing into the panel: away from the pivot on the
    // arc, (-1, 0) on the wall edge.
    QPointF normal;
    // The angle turned from the toe (radians): s / R_f on the arc, the whole
    // arc's angle on the wall edge.
    double angle = 0;
    bool onWall = false;

    // The point depth mm into the panel along the normal.
    QPointF inside(double depth) const { return point + depth * normal; }
};

// The station s, held to [0, curveLength].
FrameStation frameStation(const CurvePlan& curve, double s);

// The frame arc's sweep from the toe, in radians.
double frameArcAngle(const CurvePlan& curve);

// The frame arc, then the wall edge when there is one, as outline segments
// from the toe up.
Outline frameCurve(const CurvePlan& curve);

// A rib seen from the side at a station: its top face on the frame curve,
// centred on the station and square to the normal, reaching depth into the
// panel. Corners in order: the top face's two ends, then the bottom's.
std::array<QPointF, 4> ribSection(const FrameStation& station, double width, double depth);

// How far from station.point the normal runs inside outline before it meets
// the outline again; at most limit.
double depthInside(const Outline& outline, const FrameStation& station, double limit);

// How far the point q lies inside the panel from the frame curve or the top
// edge (the deck frame's top, or the notch's floor behind it), where ribs and
// deck joists butt the panel; negative outside them.
double timberDepth(const CurvePlan& curve, QPointF q);
