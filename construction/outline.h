#pragma once

#include <optional>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <vector>

// Plane geometry of the parts, in millimetres: Qt's points and rectangles,
// with our own lines and true circular arcs. Panel coordinates are (u, v): u
// along the ramp from the panel's back end toward the flat, v up from the
// ground; a QPointF holds them as (x, y) = (u, v). A box is a QRectF on the
// same axes; as v grows upward, lowestV and highestV below name its edges
// (Qt's top() and bottom() are named for a screen, y down).

inline double lowestV(const QRectF& box) {
    return box.top();
}
inline double highestV(const QRectF& box) {
    return box.bottom();
}

// One piece of an outline, with its end points in outline order. An arc also
// carries its circle and the angles (radians, counter-clockwise from +u) of its
// two ends; sweep is signed: positive runs counter-clockwise around the centre.
struct Segment {
    enum class Kind { Line, Arc };
    Kind kind = Kind::Line;
    QPointF from;
    QPointF to;
    QPointF centre;        // arc only
    double radius = 0;     // arc only
    double startAngle = 0; // arc only, radians
    double sweep = 0;      // arc only, radians, signed

    static Segment line(QPointF from, QPointF to);
    // The arc of the circle (centre, radius) from angle start, turning by sweep.
    static Segment arc(QPointF centre, double radius, double start, double sweep);
};

// A closed outline: each segment starts where the previous one ends and the
// last ends where the first starts.
using Outline = std::vector<Segment>;

// The exact bounding box (arcs by their extreme points, not their chords).
QRectF boundingBox(const Outline& outline);

// The point of an arc at parameter t in [0, 1] (t = 0 its start).
QPointF arcPoint(const Segment& arc, double t);

// The outline as a polygon whose edges stay within tolerance of the true
// curve (arcs cut into equal chords); the closing point is not repeated.
QList<QPointF> flatten(const Outline& outline, double tolerance);

// Whether p lies inside the polygon (even-odd rule). Qt's QPolygonF does the
// same, but lives in Qt Gui, which the programs that only compute never load.
bool polygonContains(const QList<QPointF>& polygon, QPointF p);

// Where a ray first meets an outline: the segment, the parameter along it
// (0 at its start, 1 at its end) and the distance along the ray.
struct OutlineHit {
    int segment = 0;
    double t = 0;
    double distance = 0;
};

// The first point beyond a hair (1e-7 mm) where the ray from `from` along
// the unit vector direction meets the outline, leaving out the segment
// `skipped` (the one the ray starts on); nothing when it meets none.
std::optional<OutlineHit> firstHit(const Outline& outline, QPointF from, QPointF direction,
                                   int skipped = -1);

// Mirror u -> mirrorAxis2 - u (the segments keep their order; arcs stay true arcs).
Outline mirrored(const Outline& outline, double mirrorAxis2);
// Half a turn about (cu, cv).
Outline turned(const Outline& outline, double cu, double cv);
// Turned counter-clockwise about the origin by quarters × 90 degrees.
Outline quarterTurned(const Outline& outline, int quarters);
Outline translated(const Outline& outline, double du, double dv);

// The signed area of a closed outline, arcs included (positive when
// counter-clockwise).
double signedArea(const Outline& outline);
