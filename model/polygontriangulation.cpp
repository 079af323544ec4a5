#include "polygontriangulation.h"

#include <algorithm>
#include <cmath>

namespace {

double cross(const QPointF& a, const QPointF& b, const QPointF& c) {
    return (b.x() - a.x()) * (c.y() - a.y()) - (b.y() - a.y()) * (c.x() - a.x());
}

// Inside the triangle abc (counter-clockwise) or on its edges.
bool inTriangle(const QPointF& p, const QPointF& a, const QPointF& b, const QPointF& c) {
    return cross(a, b, p) >= 0 && cross(b, c, p) >= 0 && cross(c, a, p) >= 0;
}

// Corner i of the remaining polygon is an ear: convex, and no other corner
// lies in the triangle it cuts off (a corner on its edge would leave a face
// folded over another).
bool isEar(const std::vector<QPointF>& points, const std::vector<int>& left, std::size_t i) {
    const std::size_t m = left.size();
    const int a = left[(i + m - 1) % m], b = left[i], c = left[(i + 1) % m];
    if (cross(points[a], points[b], points[c]) <= 0) return false;
    for (int j : left) {
        if (j == a || j == b || j == c) continue;
        if (inTriangle(points[j], points[a], points[b], points[c])) return false;
    }
    return true;
}

} // namespace

double doubleSignedArea(const std::vector<QPointF>& polygon) {
    double sum = 0;
    const std::size_t n = polygon.size();
    for (std::size_t i = 0; i < n; ++i) {
        const QPointF& p = polygon[i];
        const QPointF& q = polygon[(i + 1) % n];
        sum += p.x() * q.y() - q.x() * p.y();
    }
    return sum;
}

std::vector<std::array<int, 3>> triangulatePolygon(const std::vector<QPointF>& polygon) {
    std::vector<std::array<int, 3>> triangles;
    if (polygon.size() < 3) return triangles;
    std::vector<int> left(polygon.size());
    for (std::size_t i = 0; i < left.size(); ++i)
        left[i] = int(i);
    while (left.size() > 3) {
        const std::size_t m = left.size();
        std::size_t ear = m;
        for (std::size_t i = 0; i < m && ear == m; ++i)
            if (isEar(polygon, left, i)) ear = i;
        // A simple polygon always has an ear; rounding on a nearly flat
        // corner may hide it, then the most convex corner goes.
        if (ear == m) {
            double best = -INFINITY;
            for (std::size_t i = 0; i < m; ++i) {
                const double c = cross(polygon[left[(i + m - 1) % m]], polygon[left[i]],
                                       polygon[left[(i + 1) % m]]);
                if (c > best) best = c, ear = i;
            }
        }
        triangles.push_back({left[(ear + m - 1) % m], left[ear], left[(ear + 1) % m]});
        left.erase(left.begin() + std::ptrdiff_t(ear));
    }
    triangles.push_back({left[0], left[1], left[2]});
    return triangles;
}
