#include "depthraster.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using Vertex = DepthRaster::Vertex;

bool above(const Vertex& p, const Vertex& q) {
    return p.y < q.y || (p.y == q.y && p.x < q.x);
}

// An edge from its upper end, where a row's centre line y crosses it: the
// same number for both triangles that share the edge, since it is always
// worked out from the same end with the same slope.
struct EdgeLine {
    Vertex from;
    float slope = 0; // dx / dy
    EdgeLine(const Vertex& upper, const Vertex& lower)
        : from(upper)
        , slope(lower.y > upper.y ? (lower.x - upper.x) / (lower.y - upper.y) : 0) {}
    float x(float y) const { return from.x + (y - from.y) * slope; }
};

} // namespace

DepthRaster::DepthRaster(QImage& image, std::vector<float>& depth, int firstRow, int rowCount)
    : m_image(image)
    , m_width(image.width())
    , m_firstRow(std::clamp(firstRow, 0, image.height()))
    , m_endRow(std::clamp(firstRow + std::max(0, rowCount), m_firstRow, image.height()))
    , m_depth(depth) {
    m_depth.assign(std::size_t(m_width) * std::size_t(m_endRow - m_firstRow),
                   std::numeric_limits<float>::max());
}

void DepthRaster::fillTriangle(const Vertex& a, const Vertex& b, const Vertex& c, QRgb colour) {
    const float area = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    if (area == 0 || !std::isfinite(area)) return;
    // Corners from the top: rows in [v0, v1) lie between the long edge v0-v2
    // and v0-v1, rows in [v1, v2) between it and v1-v2.
    Vertex v[3] = {a, b, c};
    if (above(v[1], v[0])) std::swap(v[0], v[1]);
    if (above(v[2], v[1])) std::swap(v[1], v[2]);
    if (above(v[1], v[0])) std::swap(v[0], v[1]);
    const int firstRow = std::max(m_firstRow, int(std::ceil(v[0].y - 0.5f)));
    const int lastRow = std::min(m_endRow, int(std::ceil(v[2].y - 0.5f))); // exclusive
    if (firstRow >= lastRow) return;

    // The depth's plane over the image, kept within the corners' depths where
    // a sliver of a triangle makes it steep.
    const float dzdx =
        ((b.depth - a.depth) * (c.y - a.y) - (c.depth - a.depth) * (b.y - a.y)) / area;
    const float dzdy =
        ((c.depth - a.depth) * (b.x - a.x) - (b.depth - a.depth) * (c.x - a.x)) / area;
    const float nearest = std::min({a.depth, b.depth, c.depth});
    const float farthest = std::max({a.depth, b.depth, c.depth});

    const EdgeLine longEdge(v[0], v[2]);
    const EdgeLine upperEdge(v[0], v[1]);
    const EdgeLine lowerEdge(v[1], v[2]);
    for (int y = firstRow; y < lastRow; ++y) {
        const float centre = float(y) + 0.5f;
        const float other = centre < v[1].y ? upperEdge.x(centre) : lowerEdge.x(centre);
        const float along = longEdge.x(centre);
        const float left = std::min(along, other);
        const float right = std::max(along, other);
        const int x0 = std::max(0, int(std::ceil(left - 0.5f)));
        const int x1 = std::min(m_width, int(std::ceil(right - 0.5f))); // exclusive
        if (x0 >= x1) continue;
        float z = a.depth + dzdx * (float(x0) + 0.5f - a.x) + dzdy * (centre - a.y);
        QRgb* pixels = row(y);
        float* depth = depthRow(y);
        for (int x = x0; x < x1; ++x, z += dzdx) {
            const float d = std::clamp(z, nearest, farthest);
            if (d < depth[x]) {
                depth[x] = d;
                pixels[x] = colour;
            }
        }
    }
}

void DepthRaster::drawLine(const Vertex& a, const Vertex& b, QRgb colour, float slack) {
    // A row away from the band's ends, since a point's rounding may carry it
    // just past its end's row.
    if (std::max(a.y, b.y) < float(m_firstRow - 1) || std::min(a.y, b.y) >= float(m_endRow + 1))
        return;
    const float dx = b.x - a.x, dy = b.y - a.y;
    const int steps = std::max(1, int(std::ceil(std::max(std::abs(dx), std::abs(dy)))));
    for (int i = 0; i <= steps; ++i) {
        const float t = float(i) / float(steps);
        const int x = int(std::floor(a.x + dx * t));
        const int y = int(std::floor(a.y + dy * t));
        if (x < 0 || y < m_firstRow || x >= m_width || y >= m_endRow) continue;
        const float z = a.depth + (b.depth - a.depth) * t;
        if (z - slack <= depthRow(y)[x]) row(y)[x] = colour;
    }
}
