#include "mesh.h"

#include "polygontriangulation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Points closer than this are one point; a point off the line through its
// neighbours by less than this is in line with them (mm).
constexpr double pointSlack = 1e-6;
constexpr int minimumBarChords = 8;

double cross(const QPointF& a, const QPointF& b, const QPointF& c) {
    return (b.x() - a.x()) * (c.y() - a.y()) - (b.y() - a.y()) * (c.x() - a.x());
}

double distance(const QPointF& a, const QPointF& b) {
    return std::hypot(b.x() - a.x(), b.y() - a.y());
}

// The outline without repeated points and without points in line with their
// neighbours, counter-clockwise.
std::vector<QPointF> cleanRing(const QList<QPointF>& outline) {
    std::vector<QPointF> ring(outline.begin(), outline.end());
    bool changed = true;
    while (changed && ring.size() >= 3) {
        changed = false;
        for (std::size_t i = 0; i < ring.size() && ring.size() >= 3; ++i) {
            const std::size_t n = ring.size();
            const QPointF& prev = ring[(i + n - 1) % n];
            const QPointF& next = ring[(i + 1) % n];
            const double base = distance(prev, next);
            const bool repeated = distance(prev, ring[i]) <= pointSlack;
            const bool inLine =
                base > pointSlack && std::abs(cross(prev, ring[i], next)) <= pointSlack * base;
            if (repeated || inLine) {
                ring.erase(ring.begin() + std::ptrdiff_t(i));
                changed = true;
            }
        }
    }
    if (doubleSignedArea(ring) < 0) std::reverse(ring.begin(), ring.end());
    return ring;
}

// The solid swept along +y from the counter-clockwise ring (x-z plane) with
// the given triangles of its face: the face at y = 0 (seen from -y, where the
// ring turns counter-clockwise), the one at y = depth turned the other way,
// and a wall of two triangles along each edge of the ring.
Mesh sweptMesh(const std::vector<QPointF>& ring, const std::vector<std::array<int, 3>>& face,
               double depth) {
    Mesh mesh;
    const auto n = quint32(ring.size());
    mesh.vertices.reserve(2 * n);
    for (double y : {0.0, depth})
        for (const QPointF& p : ring)
            mesh.vertices.emplace_back(float(p.x()), float(y), float(p.y()));
    mesh.triangles.reserve(2 * face.size() + 2 * n);
    for (const auto& t : face) {
        mesh.triangles.push_back({quint32(t[0]), quint32(t[1]), quint32(t[2])});
        mesh.triangles.push_back({n + quint32(t[0]), n + quint32(t[2]), n + quint32(t[1])});
    }
    for (quint32 i = 0; i < n; ++i) {
        const quint32 j = (i + 1) % n;
        mesh.triangles.push_back({i, n + i, n + j});
        mesh.triangles.push_back({i, n + j, j});
    }
    return mesh;
}

// The face of a counter-clockwise ring that runs along a path and back along
// its offset (points 0..k-1 forward, then the offset's k-1..0): a band of quads.
std::vector<std::array<int, 3>> bandTriangles(int k) {
    std::vector<std::array<int, 3>> triangles;
    for (int i = 0; i + 1 < k; ++i) {
        const int back0 = 2 * k - 1 - i, back1 = 2 * k - 2 - i;
        triangles.push_back({i, i + 1, back1});
        triangles.push_back({i, back1, back0});
    }
    return triangles;
}

QPointF rightNormal(const QPointF& from, const QPointF& to) {
    const double length = distance(from, to);
    return {(to.y() - from.y()) / length, -(to.x() - from.x()) / length};
}

} // namespace

Mesh boxMesh(const QVector3D& size) {
    const QList<QPointF> rectangle{{0, 0}, {size.x(), 0}, {size.x(), size.z()}, {0, size.z()}};
    return prismMesh(rectangle, size.y());
}

Mesh prismMesh(const QList<QPointF>& outline, double thickness) {
    const std::vector<QPointF> ring = cleanRing(outline);
    if (ring.size() < 3) return {};
    return sweptMesh(ring, triangulatePolygon(ring), thickness);
}

Mesh bentStripMesh(const QList<QPointF>& path, double thickness, double width) {
    std::vector<QPointF> top;
    for (const QPointF& p : path)
        if (top.empty() || distance(top.back(), p) > pointSlack) top.push_back(p);
    const int k = int(top.size());
    if (k < 2) return {};
    // The lower edge first, then the path back: counter-clockwise, since the
    // material lies on the path's right.
    std::vector<QPointF> ring(2 * std::size_t(k));
    for (int i = 0; i < k; ++i) {
        const QPointF before = rightNormal(top[std::max(i - 1, 0)], top[std::max(i, 1)]);
        const QPointF after = rightNormal(top[std::min(i, k - 2)], top[std::min(i + 1, k - 1)]);
        // The mitre keeps the lower edge `thickness` from both neighbouring edges.
        QPointF mitre = before + after;
        mitre /= std::hypot(mitre.x(), mitre.y());
        const double scale = thickness / QPointF::dotProduct(mitre, before);
        ring[std::size_t(i)] = top[std::size_t(i)] + mitre * scale;
        ring[std::size_t(2 * k - 1 - i)] = top[std::size_t(i)];
    }
    return sweptMesh(ring, bandTriangles(k), width);
}

int chordCount(double radius, double angle, double tolerance) {
    const double largest =
        radius <= tolerance ? std::numbers::pi : 2 * std::acos(1 - tolerance / radius);
    return std::max(1, int(std::ceil(std::abs(angle) / largest - 1e-9)));
}

Mesh cylinderMesh(double radius, double length, double tolerance) {
    // A round bar stays round to the eye, however coarse the tolerance.
    const int n = std::max(minimumBarChords, chordCount(radius, 2 * std::numbers::pi, tolerance));
    std::vector<QPointF> ring;
    std::vector<std::array<int, 3>> face;
    for (int i = 0; i < n; ++i) {
        // From the top: the bar's highest line is a true one.
        const double a = std::numbers::pi / 2 + 2 * std::numbers::pi * i / n;
        ring.emplace_back(radius * std::cos(a), radius * std::sin(a));
        if (i >= 2) face.push_back({0, i - 1, i});
    }
    return sweptMesh(ring, face, length);
}

double signedVolume(const Mesh& mesh) {
    double sum = 0;
    for (const auto& t : mesh.triangles) {
        const QVector3D& a = mesh.vertices[t[0]];
        const QVector3D& b = mesh.vertices[t[1]];
        const QVector3D& c = mesh.vertices[t[2]];
        sum += double(a.x()) * (double(b.y()) * c.z() - double(b.z()) * c.y()) -
               double(a.y()) * (double(b.x()) * c.z() - double(b.z()) * c.x()) +
               double(a.z()) * (double(b.x()) * c.y() - double(b.y()) * c.x());
    }
    return sum / 6;
}
