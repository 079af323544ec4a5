#pragma once

#include "constructionplan.h"
#include "outline.h"

#include <algorithm>
#include <cmath>
#include <QList>
#include <QString>
#include <vector>

// Checks that a drawing stays on its part: points and lines within a part's
// outline, its edge included, arcs flattened to a micrometre.
class OutlineArea {
public:
    explicit OutlineArea(const Outline& outline)
        : m_polygon(flatten(outline, 0.001)) {}

    // Inside, or within 0.01 mm of the edge.
    bool holds(QPointF p) const {
        return polygonContains(m_polygon, p) || distanceToEdge(p) <= 0.01;
    }

    // Every point of the line from a to b, checked every 0.2 mm.
    bool holds(QPointF a, QPointF b) const {
        const int steps =
            std::max(1, int(std::ceil(std::hypot(b.x() - a.x(), b.y() - a.y()) / 0.2)));
        for (int i = 0; i <= steps; ++i)
            if (!holds(a + (b - a) * (double(i) / steps))) return false;
        return true;
    }

private:
    double distanceToEdge(QPointF p) const {
        double best = INFINITY;
        for (qsizetype i = 0, j = m_polygon.size() - 1; i < m_polygon.size(); j = i++) {
            const QPointF a = m_polygon[j], d = m_polygon[i] - a;
            const double length2 = QPointF::dotProduct(d, d);
            const double t =
                length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, d) / length2, 0.0, 1.0) : 0;
            const QPointF off = p - a - d * t;
            best = std::min(best, std::hypot(off.x(), off.y()));
        }
        return best;
    }

    QList<QPointF> m_polygon;
};

// Designs whose marks must stay on their parts: the default ramp, a wall on
// both sides, panels split to fit the sheets, and a right curve unlike the
// left one.
struct MarkedDesign {
    const char* name;
    RampDimensions dims;
};
inline const std::vector<MarkedDesign>& markedDesigns() {
    static const std::vector<MarkedDesign> designs{
        {"default", RampDimensions{}},
        {"wall", RampDimensions{.R1 = 150, .H1 = 200, .R2 = 150, .H2 = 200}},
        {"split", RampDimensions{.R1 = 200, .H1 = 120, .R2 = 200, .H2 = 120}},
        {"taller right curve", RampDimensions{.R2 = 180, .H2 = 120}},
    };
    return designs;
}
