#include "templatetiling.h"

#include "framecurve.h"
#include "quarvelerror.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <QCoreApplication>
#include <QLineF>
#include <QPolygonF>

namespace {

// The panel's lines are followed in steps this long (mm). A tile is printed
// when it owns at least shortestLine mm of them; a gap where the tiles left
// out leave a line off the paper is no longer than longestGap, which the
// batten bridges.
constexpr double lineStep = 0.5;
constexpr double shortestLine = 15;
constexpr double longestGap = 5;

// Whether the segment from a to b crosses the rectangle's inside
// (Liang-Barsky clipping).
bool crosses(const QRectF& r, QPointF a, QPointF b) {
    double t0 = 0;
    double t1 = 1;
    const double du = b.x() - a.x();
    const double dv = b.y() - a.y();
    const double p[] = {-du, du, -dv, dv};
    const double q[] = {a.x() - r.left(), r.right() - a.x(), a.y() - lowestV(r),
                        highestV(r) - a.y()};
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
std::vector<std::pair<QPointF, QPointF>> bandNormals(const CurvePlan& curve, double step) {
    const int count = std::max(1, static_cast<int>(std::ceil(curve.curveLength / step)));
    const double h = TemplateTiling::bandHalfWidth;
    std::vector<std::pair<QPointF, QPointF>> normals;
    normals.reserve(count + 1);
    for (int i = 0; i <= count; ++i) {
        const FrameStation station = frameStation(curve, curve.curveLength * i / count);
        const QPointF p = station.point, n = station.normal;
        normals.push_back(
            {{p.x() - h * n.x(), p.y() - h * n.y()}, {p.x() + h * n.x(), p.y() + h * n.y()}});
    }
    return normals;
}

// The panel's own lines that the tiles are printed for: the frame curve, the
// notch, and the toe's riser. The straight edges are left to a straightedge.
std::vector<QPointF> tracedLines(const CurvePlan& curve) {
    Outline lines = frameCurve(curve);
    const QPointF toe = lines.front().from;
    lines.push_back(Segment::line({toe.x(), 0}, toe));
    if (curve.notch) {
        const QPointF corner(curve.notch->x(), curve.notch->y());
        lines.push_back(Segment::line(curve.top, corner));
        lines.push_back(Segment::line(corner, {corner.x(), curve.deckFrameTop}));
    }
    std::vector<QPointF> points;
    for (const Segment& segment : lines) {
        QList<QPointF> polyline = flatten({segment}, 0.1);
        polyline.push_back(segment.to); // flatten leaves each segment's end to the next
        for (qsizetype i = 0; i + 1 < polyline.size(); ++i) {
            const QPointF a = polyline[i], b = polyline[i + 1];
            const int steps = std::max(1, int(std::ceil(QLineF(a, b).length() / lineStep)));
            for (int k = 0; k < steps; ++k)
                points.push_back(a + (b - a) * (double(k) / steps));
        }
    }
    return points;
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
    std::vector<std::pair<QPointF, QPointF>> normals;
    for (auto [outside, inside] : m_normals) {
        const double floor = -groundMargin;
        if (inside.y() < floor) {
            const double t = (floor - outside.y()) / (inside.y() - outside.y());
            inside = {outside.x() + t * (inside.x() - outside.x()), floor};
        }
        normals.push_back({outside, inside});
    }
    QPolygonF ends;
    for (const auto& [a, b] : normals)
        ends << a << b;
    const QRectF band = ends.boundingRect();
    const QPointF toe = frameCurve(curve).front().from;
    const QRectF toeArea(QPointF(toe.x() - bandHalfWidth, -groundMargin),
                         QPointF(toe.x() + toeMargin, toe.y() + notchMargin));
    m_areas = {toeArea};
    if (curve.notch) {
        QRectF notch(*curve.notch, QPointF(curve.top.x(), curve.deckFrameTop));
        if (curve.pipe) {
            const QPointF r(pipeDiameter / 2, pipeDiameter / 2);
            notch |= QRectF(*curve.pipe - r, *curve.pipe + r);
        }
        m_areas.push_back(notch.adjusted(-notchMargin, -notchMargin, notchMargin, notchMargin));
    }
    m_region = band;
    for (const QRectF& r : m_areas)
        m_region |= r;

    const double stepU = m_width - overlap;
    const double stepV = m_height - overlap;
    auto count = [](double extent, double size, double step) {
        return extent <= size ? 1 : static_cast<int>(std::ceil((extent - size) / step - 1e-9)) + 1;
    };
    m_columns = count(m_region.width(), m_width, stepU);
    m_rows = count(m_region.height(), m_height, stepV);

    markTilesWithLines(tracedLines(curve));
}

std::pair<int, int> TemplateTiling::owner(QPointF p) const {
    // Each tile owns its area but for half of every overlap, so that the
    // owned cells tile the plane.
    const int column =
        int(std::floor((p.x() - m_region.left() - m_overlap / 2) / (m_width - m_overlap)));
    const int row =
        int(std::floor((highestV(m_region) - p.y() - m_overlap / 2) / (m_height - m_overlap)));
    return {std::clamp(row, 0, m_rows - 1), std::clamp(column, 0, m_columns - 1)};
}

void TemplateTiling::markTilesWithLines(const std::vector<QPointF>& points) {
    std::map<std::pair<int, int>, int> owned;
    for (const QPointF p : points)
        ++owned[owner(p)];
    for (const auto& [cell, count] : owned)
        if (count * lineStep >= shortestLine) mark(cell.first, cell.second);
    // What no printed tile shows: a stretch longer than longestGap prints
    // the tiles that own it.
    std::vector<QPointF> unshown;
    auto printUnshown = [&] {
        if (unshown.size() * lineStep > longestGap)
            for (const QPointF p : unshown)
                mark(owner(p).first, owner(p).second);
        unshown.clear();
    };
    for (const QPointF p : points) {
        if (shown(p))
            printUnshown();
        else
            unshown.push_back(p);
    }
    printUnshown();
    for (const auto& [r, c] : m_printed)
        m_tiles.push_back({r, c, area(r, c)});
}

bool TemplateTiling::shown(QPointF p) const {
    const auto [row, column] = owner(p);
    for (int r = row - 1; r <= row + 1; ++r)
        for (int c = column - 1; c <= column + 1; ++c)
            if (printed(r, c) && area(r, c).contains(p)) return true;
    return false;
}

void TemplateTiling::mark(int row, int column) {
    m_printed.insert({row, column});
    if (static_cast<int>(m_printed.size()) > maxTiles)
        throw QuarvelError(QCoreApplication::translate(
            "Templates", "Gabarit trop grand pour être imprimé en tuiles : "
                         "utilisez --paper full ou le fichier de découpe"));
}

int TemplateTiling::hidden(const QRectF& r) const {
    int count = 0;
    for (const QRectF& a : m_areas)
        if (r.intersects(a)) count += areaWeight;
    // The middle of a normal is on the curve.
    const double outside = 60.0 / (2 * bandHalfWidth);
    const double inside = 75.0 / (2 * bandHalfWidth);
    for (const auto& [a, b] : m_normals) {
        const QPointF on{(a.x() + b.x()) / 2, (a.y() + b.y()) / 2};
        const QPointF d{b.x() - a.x(), b.y() - a.y()};
        if (crosses(r, {on.x() - outside * d.x(), on.y() - outside * d.y()},
                    {on.x() + inside * d.x(), on.y() + inside * d.y()}))
            ++count;
    }
    return count;
}

bool TemplateTiling::printed(int row, int column) const {
    return m_printed.count({row, column}) != 0;
}

QRectF TemplateTiling::area(int row, int column) const {
    const double left = m_region.left() + column * (m_width - m_overlap);
    const double top = highestV(m_region) - row * (m_height - m_overlap);
    return QRectF(QPointF(left, top - m_height), QPointF(left + m_width, top));
}

QString TemplateTiling::label(int row, int column) {
    QString letters;
    for (int r = row + 1; r > 0; r = (r - 1) / 26)
        letters.prepend(QChar(u'A' + (r - 1) % 26));
    return letters + QString::number(column + 1);
}
