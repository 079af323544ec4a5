#pragma once

#include <optional>
#include <vector>

// Plane geometry of the parts, in millimetres: points, lines and true circular
// arcs. Panel coordinates are (u, v): u along the ramp from the panel's back end
// toward the flat, v up from the ground.

struct Point {
    double u = 0;
    double v = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    double left = 0;
    double bottom = 0;
    double right = 0;
    double top = 0;
    double width() const { return right - left; }
    double height() const { return top - bottom; }
};

// One piece of an outline, with its end points in outline order. An arc also
// carries its circle and the angles (radians, counter-clockwise from +u) of its
// two ends; sweep is signed: positive runs counter-clockwise around the centre.
struct Segment {
    enum class Kind { Line, Arc };
    Kind kind = Kind::Line;
    Point from;
    Point to;
    Point centre;          // arc only
    double radius = 0;     // arc only
    double startAngle = 0; // arc only, radians
    double sweep = 0;      // arc only, radians, signed

    static Segment line(Point from, Point to);
    // The arc of the circle (centre, radius) from angle start, turning by sweep.
    static Segment arc(Point centre, double radius, double start, double sweep);
};

// A closed outline: each segment starts where the previous one ends and the
// last ends where the first starts.
using Outline = std::vector<Segment>;

// Grows box to take in p; an empty box (none yet) becomes p's.
void extendBox(std::optional<Rect>& box, Point p);

// The exact bounding box (arcs by their extreme points, not their chords).
Rect boundingBox(const Outline& outline);

// The point of an arc at parameter t in [0, 1] (t = 0 its start).
Point arcPoint(const Segment& arc, double t);

// The outline as a polygon whose edges stay within tolerance of the true
// curve (arcs cut into equal chords); the closing point is not repeated.
std::vector<Point> flatten(const Outline& outline, double tolerance);

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
