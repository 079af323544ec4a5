#include "templatetiling.h"

#include "framecurve.h"
#include "quarvelerror.h"

#include <algorithm>
#include <cmath>

namespace {

Rect unite(const Rect& a, const Rect& b) {
    return {std::min(a.left, b.left), std::min(a.bottom, b.bottom), std::max(a.right, b.right),
            std::max(a.top, b.top)};
}

Rect grown(const Rect& r, double by) {
    return {r.left - by, r.bottom - by, r.right + by, r.top + by};
}

bool overlaps(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
}

// Whether the segment from a to b crosses the rectangle's inside
// (Liang-Barsky clipping).
bool crosses(const Rect& r, Point a, Point b) {
    double t0 = 0;
    double t1 = 1;
    const double du = b.u - a.u;
    const double dv = b.v - a.v;
    const double p[] = {-du, du, -dv, dv};
    const double q[] = {a.u - r.left, r.right - a.u, a.v - r.bottom, r.top - a.v};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] <= 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    return t0 < t1;
}

// The band as segments along the frame curve's normals, no farther apart
// than step along the curve: each from bandHalfWidth outside the curve to
// bandHalfWidth inside, the curve at its middle.
std::vector<std::pair<Point, Point>> bandNormals(const CurvePlan& curve, double step) {
    const int count = std::max(1, static_cast<int>(std::ceil(curve.curveLength / step)));
    const double h = TemplateTiling::bandHalfWidth;
    std::vector<std::pair<Point, Point>> normals;
    normals.reserve(count + 1);
    for (int i = 0; i <= count; ++i) {
        const Point p = frameStationPoint(curve, curve.curveLength * i / count);
        const Point n = frameNormal(curve, p);
        normals.push_back({{p.u - h * n.u, p.v - h * n.v}, {p.u + h * n.u, p.v + h * n.v}});
    }
    return normals;
}

} // namespace

TemplateTiling::TemplateTiling(const CurvePlan& curve, double pipeDiameter, double paperWidth,
                               double paperHeight, double margin, double overlap)
    : m_width(paperWidth - 2 * margin)
    , m_height(paperHeight - 2 * margin)
    , m_overlap(overlap) {
    // Normals 1 mm apart along the curve (at most 1.2 mm at the band's outer
    // edge): only a tile the band enters by less than that may be left out.
    m_normals = bandNormals(curve, 1);
    // Nothing below the ground needs tracing: the band stops a little under it.
    std::vector<std::pair<Point, Point>> normals;
    for (auto [outside, inside] : m_normals) {
        const double floor = -groundMargin;
        if (inside.v < floor) {
            const double t = (floor - outside.v) / (inside.v - outside.v);
            inside = {outside.u + t * (inside.u - outside.u), floor};
        }
        normals.push_back({outside, inside});
    }
    Rect band{normals.front().first.u, normals.front().first.v, normals.front().first.u,
              normals.front().first.v};
    for (const auto& [a, b] : normals)
        band = unite(band, unite({a.u, a.v, a.u, a.v}, {b.u, b.v, b.u, b.v}));
    const Point toe = frameCurve(curve).front().from;
    const Rect toeArea{toe.u - bandHalfWidth, -groundMargin, toe.u + toeMargin,
                       toe.v + notchMargin};
    m_areas = {toeArea};
    std::vector<Rect>& areas = m_areas;
    if (curve.notch) {
        Rect notch{curve.notch->u, curve.notch->v, curve.top.u, curve.deckFrameTop};
        if (curve.pipe) {
            const double r = pipeDiameter / 2;
            notch = unite(notch, {curve.pipe->u - r, curve.pipe->v - r, curve.pipe->u + r,
                                  curve.pipe->v + r});
        }
        areas.push_back(grown(notch, notchMargin));
    }
    m_region = band;
    for (const Rect& r : areas)
        m_region = unite(m_region, r);

    const double stepU = m_width - overlap;
    const double stepV = m_height - overlap;
    auto count = [](double extent, double size, double step) {
        return extent <= size ? 1 : static_cast<int>(std::ceil((extent - size) / step - 1e-9)) + 1;
    };
    m_columns = count(m_region.width(), m_width, stepU);
    m_rows = count(m_region.height(), m_height, stepV);

    for (const auto& [a, b] : normals) {
        const Rect box = unite({a.u, a.v, a.u, a.v}, {b.u, b.v, b.u, b.v});
        const int c0 =
            std::max(0, static_cast<int>(std::floor((box.left - m_region.left - m_width) / stepU)));
        const int c1 = std::min(m_columns - 1,
                                static_cast<int>(std::floor((box.right - m_region.left) / stepU)));
        const int r0 =
            std::max(0, static_cast<int>(std::floor((m_region.top - box.top - m_height) / stepV)));
        const int r1 =
            std::min(m_rows - 1, static_cast<int>(std::floor((m_region.top - box.bottom) / stepV)));
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c)
                if (crosses(area(r, c), a, b)) mark(r, c);
    }
    for (const Rect& a : areas) {
        const int c0 =
            std::max(0, static_cast<int>(std::floor((a.left - m_region.left - m_width) / stepU)));
        const int c1 = std::min(m_columns - 1,
                                static_cast<int>(std::floor((a.right - m_region.left) / stepU)));
        const int r0 =
            std::max(0, static_cast<int>(std::floor((m_region.top - a.top - m_height) / stepV)));
        const int r1 =
            std::min(m_rows - 1, static_cast<int>(std::floor((m_region.top - a.bottom) / stepV)));
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c)
                if (overlaps(area(r, c), a)) mark(r, c);
    }
    for (const auto& [r, c] : m_printed)
        m_tiles.push_back({r, c, area(r, c)});
}

void TemplateTiling::mark(int row, int column) {
    m_printed.insert({row, column});
    if (static_cast<int>(m_printed.size()) > maxTiles)
        throw QuarvelError(QStringLiteral("Gabarit trop grand pour être imprimé en tuiles : "
                                          "utilisez --paper full ou le fichier de découpe"));
}

int TemplateTiling::shown(const Rect& r) const {
    int count = 0;
    for (const Rect& a : m_areas)
        if (overlaps(r, a)) count += areaWeight;
    // The middle of a normal is on the curve.
    const double outside = 20.0 / (2 * bandHalfWidth);
    const double inside = 75.0 / (2 * bandHalfWidth);
    for (const auto& [a, b] : m_normals) {
        const Point on{(a.u + b.u) / 2, (a.v + b.v) / 2};
        const Point d{b.u - a.u, b.v - a.v};
        if (crosses(r, {on.u - outside * d.u, on.v - outside * d.v},
                    {on.u + inside * d.u, on.v + inside * d.v}))
            ++count;
    }
    return count;
}

bool TemplateTiling::printed(int row, int column) const {
    return m_printed.count({row, column}) != 0;
}

Rect TemplateTiling::area(int row, int column) const {
    const double left = m_region.left + column * (m_width - m_overlap);
    const double top = m_region.top - row * (m_height - m_overlap);
    return {left, top - m_height, left + m_width, top};
}

QString TemplateTiling::label(int row, int column) {
    QString letters;
    for (int r = row + 1; r > 0; r = (r - 1) / 26)
        letters.prepend(QChar(u'A' + (r - 1) % 26));
    return letters + QString::number(column + 1);
}
