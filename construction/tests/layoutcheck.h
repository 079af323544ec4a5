#pragma once

// Checks parts placed on sheets by their own geometry, not by the nesting's:
// each placed outline rebuilt from its flags (mirrored, then turned by its
// rotation, then moved), measured against the sheet's edges and against
// every other part on true shapes finely flattened.

#include "constructionplan.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <QtTest>
#include <set>
#include <tuple>

namespace layoutcheck {

inline QList<QPointF> placedPolygon(const Outline& outline, const PlacedPart& part,
                                    double tolerance) {
    QList<QPointF> points = flatten(outline, tolerance);
    for (QPointF& p : points) {
        if (part.mirrored) p.rx() = -p.x();
        for (int k = 0; k < part.rotation / 90; ++k)
            p = QPointF(-p.y(), p.x());
    }
    // Arcs' extreme points are not all vertices: the true box from the
    // outline turned the same way.
    Outline o = part.mirrored ? mirrored(outline, 0) : outline;
    o = quarterTurned(o, part.rotation / 90);
    const QRectF box = boundingBox(o);
    for (QPointF& p : points)
        p = QPointF(p.x() - box.left() + part.x, p.y() - lowestV(box) + part.y);
    return points;
}

inline double pointSegmentDistance(QPointF p, QPointF a, QPointF b) {
    const double du = b.x() - a.x(), dv = b.y() - a.y();
    const double len2 = du * du + dv * dv;
    double s = len2 > 0 ? ((p.x() - a.x()) * du + (p.y() - a.y()) * dv) / len2 : 0;
    s = std::clamp(s, 0.0, 1.0);
    return std::hypot(p.x() - a.x() - s * du, p.y() - a.y() - s * dv);
}

inline bool segmentsCross(QPointF a, QPointF b, QPointF c, QPointF d) {
    auto side = [](QPointF p, QPointF q, QPointF r) {
        return (q.x() - p.x()) * (r.y() - p.y()) - (q.y() - p.y()) * (r.x() - p.x());
    };
    return side(a, b, c) * side(a, b, d) < 0 && side(c, d, a) * side(c, d, b) < 0;
}

inline bool inside(QPointF p, const QList<QPointF>& polygon) {
    bool in = false;
    for (qsizetype i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const QPointF a = polygon[i], b = polygon[j];
        if ((a.y() > p.y()) != (b.y() > p.y()) &&
            p.x() < a.x() + (p.y() - a.y()) * (b.x() - a.x()) / (b.y() - a.y()))
            in = !in;
    }
    return in;
}

// Distance between two polygons, 0 when they overlap.
inline double distance(const QList<QPointF>& a, const QList<QPointF>& b) {
    if (inside(a[0], b) || inside(b[0], a)) return 0;
    double best = INFINITY;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const QPointF a0 = a[i], a1 = a[(i + 1) % a.size()];
        for (qsizetype j = 0; j < b.size(); ++j) {
            const QPointF b0 = b[j], b1 = b[(j + 1) % b.size()];
            if (segmentsCross(a0, a1, b0, b1)) return 0;
            best = std::min(
                {best, pointSegmentDistance(a0, b0, b1), pointSegmentDistance(b0, a0, a1)});
        }
    }
    return best;
}

// The fine chords stray at most this far from the true arcs.
constexpr double tolerance = 0.001;
constexpr double roundingSlack = 1e-6;

using Key = std::pair<int, int>; // curve (or -1 - curve for a splice plate), piece

inline Key keyOf(const PlacedPart& part) {
    return {part.part == PlacedPartKind::splice ? -1 - part.curve : part.curve, part.piece};
}

// Every part placed as often as expected, inside the sheet by kerf, true
// shapes kerf apart. outlineOf gives a placed part's own outline (null when
// there is none).
inline void checkSheets(const std::vector<SheetLayout>& sheets,
                        const std::function<const Outline*(const PlacedPart&)>& outlineOf,
                        const std::map<Key, int>& expected, double sheetLong, double sheetShort,
                        double kerf) {
    std::map<Key, int> found;
    // Sheets laid out alike are measured once.
    std::set<std::vector<std::tuple<double, double, int, bool, const Outline*>>> measured;
    for (const SheetLayout& sheet : sheets) {
        QVERIFY(!sheet.parts.empty());
        std::vector<std::tuple<double, double, int, bool, const Outline*>> signature;
        for (const PlacedPart& part : sheet.parts) {
            ++found[keyOf(part)];
            QVERIFY(outlineOf(part));
            QVERIFY(part.rotation % 90 == 0 && part.rotation >= 0 && part.rotation < 360);
            signature.emplace_back(part.x, part.y, part.rotation, part.mirrored, outlineOf(part));
        }
        if (!measured.insert(signature).second) continue;
        std::vector<QList<QPointF>> shapes;
        for (const PlacedPart& part : sheet.parts) {
            shapes.push_back(placedPolygon(*outlineOf(part), part, tolerance));
            for (const QPointF& p : shapes.back())
                QVERIFY2(p.x() >= kerf - roundingSlack && p.y() >= kerf - roundingSlack &&
                             p.x() <= sheetLong - kerf + roundingSlack &&
                             p.y() <= sheetShort - kerf + roundingSlack,
                         "a part within kerf of the sheet's edge");
        }
        // Each shape's box: lowest u, lowest v, highest u, highest v.
        std::vector<std::array<double, 4>> boxes;
        for (const QList<QPointF>& shape : shapes) {
            std::array<double, 4> box{INFINITY, INFINITY, -INFINITY, -INFINITY};
            for (const QPointF& p : shape)
                box = {std::min(box[0], p.x()), std::min(box[1], p.y()), std::max(box[2], p.x()),
                       std::max(box[3], p.y())};
            boxes.push_back(box);
        }
        for (size_t i = 0; i < shapes.size(); ++i)
            for (size_t j = i + 1; j < shapes.size(); ++j) {
                const std::array<double, 4> a = boxes[i], b = boxes[j];
                const double gapU = std::max(a[0] - b[2], b[0] - a[2]);
                const double gapV = std::max(a[1] - b[3], b[1] - a[3]);
                if (std::max(gapU, gapV) >= kerf) continue;
                const double d = distance(shapes[i], shapes[j]);
                QVERIFY2(d >= kerf - 2 * tolerance - roundingSlack,
                         qPrintable(QStringLiteral("parts %1 mm apart").arg(d)));
            }
    }
    QCOMPARE(found, expected);
}

} // namespace layoutcheck

using layoutcheck::checkSheets;
