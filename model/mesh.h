#pragma once

#include <QList>
#include <QPointF>
#include <QtGlobal>
#include <QVector3D>

#include <array>
#include <vector>

// A closed triangle mesh in millimetres, in the right-handed frame of the
// ramp (x along the ramp, y across it, z up). Every triangle is wound
// counter-clockwise seen from outside the solid, and every edge is shared by
// exactly two triangles that run it in opposite directions. Vertices are
// shared between the triangles that meet at them, so no normals are stored:
// each triangle is one flat face.
struct Mesh {
    std::vector<QVector3D> vertices;
    std::vector<std::array<quint32, 3>> triangles;
};

// The primitives below build their solid in a frame of their own; a part's
// placement (rampmodel.h) puts it in the ramp. Profiles are drawn in the x-z
// plane (a QPointF's x is x, its y is z) and swept along +y.

// The box [0, size.x] x [0, size.y] x [0, size.z].
Mesh boxMesh(const QVector3D& size);

// A flat part: the closed outline (in the x-z plane, either orientation, the
// closing point not repeated, no edge crossing another) swept from y = 0 to
// y = thickness. Outlines need not be convex: the faces are ear-clipped.
// Points in line with their neighbours are left out.
Mesh prismMesh(const QList<QPointF>& outline, double thickness);

// A strip bent along a path: path is the strip's upper edge in the x-z plane
// (at least two points), the material lies on the right of it walking along
// it (below it when it runs toward +x), `thickness` deep along the path's
// normals, ends cut square to the path; swept from y = 0 to y = width.
Mesh bentStripMesh(const QList<QPointF>& path, double thickness, double width);

// A round bar of the given radius along the y axis from y = 0 to y = length,
// its axis at x = z = 0; the circle is cut into as few equal chords as stay
// within tolerance of it.
Mesh cylinderMesh(double radius, double length, double tolerance);

// The number of equal chords that follow an arc of this radius and angle
// (radians) within tolerance (at least one).
int chordCount(double radius, double angle, double tolerance);

// The enclosed volume (mm³): positive when the triangles face outward.
double signedVolume(const Mesh& mesh);
