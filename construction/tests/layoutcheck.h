#pragma once

// Checks parts placed on sheets by their own geometry, not by the nesting's:
// each placed outline rebuilt from its flags (mirrored, then turned by its
// rotation, then moved), measured against the sheet's edges and against
// every other part on true shapes finely flattened.

#include "constructionplan.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <QtTest>
#include <set>
#include <tuple>

namespace layoutcheck {

inline std::vector<Point> placedPolygon(const Outline& outline, const PlacedPart& part,
                                        double tolerance) {
    std::vector<Point> points = flatten(outline, tolerance);
    for (Point& p : points) {
        if (part.mirrored) p.u = -p.u;
        for (int k = 0; k < part.rotation / 90; ++k)
            p = {-p.v, p.u};
    }
    // Arcs' extreme points are not all vertices: the true box from the
    // outline turned the same way.
    Outline o = part.mirrored ? mirrored(outline, 0) : outline;
    o = quarterTurned(o, part.rotation / 90);
    const Rect box = boundingBox(o);
    for (Point& p : points)
        p = {p.u - box.left + part.x, p.v - box.bottom + part.y};
    return points;
}

inline double pointSegmentDistance(Point p, Point a, Point b) {
    const double du = b.u - a.u, dv = b.v - a.v;
    const double len2 = du * du + dv * dv;
    double s = len2 > 0 ? ((p.u - a.u) * du + (p.v - a.v) * dv) / len2 : 0;
    s = std::clamp(s, 0.0, 1.0);
    return std::hypot(p.u - a.u - s * du, p.v - a.v - s * dv);
}

inline bool segmentsCross(Point a, Point b, Point c, Point d) {
    auto side = [](Point p, Point q, Point r) {
        return (q.u - p.u) * (r.v - p.v) - (q.v - p.v) * (r.u - p.u);
    };
    return side(a, b, c) * side(a, b, d) < 0 && side(c, d, a) * side(c, d, b) < 0;
}

inline bool inside(Point p, const std::vector<Point>& polygon) {
    bool in = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Point a = polygon[i], b = polygon[j];
        if ((a.v > p.v) != (b.v > p.v) && p.u < a.u + (p.v - a.v) * (b.u - a.u) / (b.v - a.v))
            in = !in;
    }
    return in;
}

// Distance between two polygons, 0 when they overlap.
inline double distance(const std::vector<Point>& a, const std::vector<Point>& b) {
    if (inside(a[0], b) || inside(b[0], a)) return 0;
    double best = INFINITY;
    for (size_t i = 0; i < a.size(); ++i) {
        const Point a0 = a[i], a1 = a[(i + 1) % a.size()];
        for (size_t j = 0; j < b.size(); ++j) {
            const Point b0 = b[j], b1 = b[(j + 1) % b.size()];
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
    return {part.part == PartKind::splice ? -1 - part.curve : part.curve, part.piece};
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
        std::vector<std::vector<Point>> shapes;
        for (const PlacedPart& part : sheet.parts) {
            shapes.push_back(placedPolygon(*outlineOf(part), part, tolerance));
            for (const Point& p : shapes.back())
                QVERIFY2(p.u >= kerf - roundingSlack && p.v >= kerf - roundingSlack &&
                             p.u <= sheetLong - kerf + roundingSlack &&
                             p.v <= sheetShort - kerf + roundingSlack,
                         "a part within kerf of the sheet's edge");
        }
        std::vector<Rect> boxes;
        for (const std::vector<Point>& shape : shapes) {
            std::optional<Rect> box;
            for (const Point& p : shape)
                extendBox(box, p);
            boxes.push_back(*box);
        }
        for (size_t i = 0; i < shapes.size(); ++i)
            for (size_t j = i + 1; j < shapes.size(); ++j) {
                const Rect a = boxes[i], b = boxes[j];
                const double gapU = std::max(a.left - b.right, b.left - a.right);
                const double gapV = std::max(a.bottom - b.top, b.bottom - a.top);
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
