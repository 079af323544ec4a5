#include "panelsplitting.h"

#include "constructionwords.h"
#include "framecurve.h"
#include "quarvelerror.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

// A panel is cut by straight lines, one at a time: each line crosses the
// piece it cuts exactly twice, and the two pieces are the outline walked
// counter-clockwise from one crossing to the other, closed along the line.

namespace {
// Rounding room for points on edges and parts exactly as large as the sheet.
constexpr double slack = 1e-9;

// A point on an outline: its segment and the parameter along it.
struct Place {
    int segment = 0;
    double t = 0;
};

QPointF lerp(QPointF a, QPointF b, double t) {
    return {a.x() + (b.x() - a.x()) * t, a.y() + (b.y() - a.y()) * t};
}

Segment part(const Segment& s, double t0, double t1) {
    if (s.kind == Segment::Kind::Line)
        return Segment::line(lerp(s.from, s.to, t0), lerp(s.from, s.to, t1));
    return Segment::arc(s.centre, s.radius, s.startAngle + t0 * s.sweep, (t1 - t0) * s.sweep);
}

double length(const Segment& s) {
    if (s.kind == Segment::Kind::Arc) return std::abs(s.sweep) * s.radius;
    return std::hypot(s.to.x() - s.from.x(), s.to.y() - s.from.y());
}

// Appends a segment joined exactly to the previous one; drops empty ones.
void append(Outline& out, Segment s) {
    if (length(s) <= slack) return;
    if (!out.empty()) s.from = out.back().to;
    out.push_back(s);
}

void appendPart(Outline& out, const Segment& s, double t0, double t1) {
    if (t1 - t0 > slack) append(out, t0 <= 0 && t1 >= 1 ? s : part(s, t0, t1));
}

// The outline forward (counter-clockwise) from a to b.
void appendBoundary(Outline& out, const Outline& o, Place a, Place b) {
    const int n = int(o.size());
    if (a.segment == b.segment && a.t <= b.t) {
        appendPart(out, o[a.segment], a.t, b.t);
        return;
    }
    appendPart(out, o[a.segment], a.t, 1);
    for (int i = (a.segment + 1) % n; i != b.segment; i = (i + 1) % n)
        append(out, o[i]);
    appendPart(out, o[b.segment], 0, b.t);
}

void close(Outline& out) {
    if (!out.empty()) out.back().to = out.front().from;
}

double cross(QPointF a, QPointF b) {
    return a.x() * b.y() - a.y() * b.x();
}

double dot(QPointF a, QPointF b) {
    return QPointF::dotProduct(a, b);
}

double distance(QPointF a, QPointF b) {
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

QPointF unit(QPointF a) {
    const double n = std::hypot(a.x(), a.y());
    return n > 0 ? a / n : a;
}

// Crossings nearer than this along the line are one (a line through a vertex).
constexpr double sameCrossing = 1e-7;
// A point this near a line lies on it.
constexpr double onLine = 1e-6;

// Where a line meets an outline: the place on the outline and the distance
// along the line from its start point.
struct Crossing {
    Place place;
    QPointF point;
    double along = 0;
};

std::vector<Crossing> crossings(const Outline& o, QPointF p, QPointF d) {
    std::vector<Crossing> found;
    for (int i = 0; i < int(o.size()); ++i) {
        const Segment& s = o[i];
        if (s.kind == Segment::Kind::Line) {
            const QPointF e = s.to - s.from;
            const double denominator = cross(d, e);
            if (std::abs(denominator) <= slack * std::hypot(e.x(), e.y())) continue;
            const QPointF w = s.from - p;
            const double t = cross(w, d) / denominator;
            if (t < -slack || t > 1 + slack) continue;
            const double clamped = std::clamp(t, 0.0, 1.0);
            found.push_back({{i, clamped}, lerp(s.from, s.to, clamped), cross(w, e) / denominator});
            continue;
        }
        const QPointF w = p - s.centre;
        const double b = dot(d, w), disc = b * b - (dot(w, w) - s.radius * s.radius);
        if (disc < 0) continue;
        for (const double sign : {-1.0, 1.0}) {
            const double along = -b + sign * std::sqrt(disc);
            const QPointF q = p + d * along;
            const double angle = std::atan2(q.y() - s.centre.y(), q.x() - s.centre.x());
            double turn = s.sweep >= 0 ? angle - s.startAngle : s.startAngle - angle;
            turn = std::fmod(turn, 2 * std::numbers::pi);
            if (turn < 0) turn += 2 * std::numbers::pi;
            if (turn > 2 * std::numbers::pi - slack) turn = 0;
            const double t = turn / std::abs(s.sweep);
            if (t > 1 + slack) continue;
            found.push_back({{i, std::min(t, 1.0)}, q, along});
        }
    }
    std::sort(found.begin(), found.end(),
              [](const Crossing& a, const Crossing& b) { return a.along < b.along; });
    found.erase(std::unique(found.begin(), found.end(),
                            [](const Crossing& a, const Crossing& b) {
                                return b.along - a.along < sameCrossing;
                            }),
                found.end());
    return found;
}

// The direction of travel along a segment at parameter t.
QPointF tangent(const Segment& s, double t) {
    if (s.kind == Segment::Kind::Line) return unit(s.to - s.from);
    const double a = s.startAngle + t * s.sweep;
    const double sign = s.sweep >= 0 ? 1 : -1;
    return {-std::sin(a) * sign, std::cos(a) * sign};
}

// The vertices where the outline turns (not where an arc runs on smoothly).
std::vector<QPointF> corners(const Outline& o) {
    std::vector<QPointF> found;
    for (std::size_t i = 0; i < o.size(); ++i) {
        const QPointF in = tangent(o[(i + o.size() - 1) % o.size()], 1), out = tangent(o[i], 0);
        if (std::abs(cross(in, out)) > 1e-3 || dot(in, out) < 0) found.push_back(o[i].from);
    }
    return found;
}

// A line's cut through a piece: from its first crossing to its second, and
// the piece walked counter-clockwise from the first (pieces[0]) and from the
// second (pieces[1]).
struct Cut {
    Crossing from;
    Crossing to;
    std::array<Outline, 2> pieces;
};

// The cut of the line from p in direction d (a unit vector) through o;
// nothing unless it crosses o exactly twice, both crossings at least
// minimumCornerDistance from o's corners.
std::optional<Cut> cutAlong(const Outline& o, QPointF p, QPointF d) {
    const std::vector<Crossing> x = crossings(o, p, d);
    if (x.size() != 2) return std::nullopt;
    for (const QPointF c : corners(o))
        if (distance(c, x[0].point) < minimumCornerDistance - slack ||
            distance(c, x[1].point) < minimumCornerDistance - slack)
            return std::nullopt;
    Cut cut{x[0], x[1], {}};
    appendBoundary(cut.pieces[0], o, x[0].place, x[1].place);
    append(cut.pieces[0], Segment::line(x[1].point, x[0].point));
    appendBoundary(cut.pieces[1], o, x[1].place, x[0].place);
    append(cut.pieces[1], Segment::line(x[0].point, x[1].point));
    for (Outline& piece : cut.pieces)
        close(piece);
    return cut;
}

// What one end of a joint meets, so what its plate keeps clear of: the
// timber along the frame curve or the top edge, an earlier joint's plate,
// or a plain edge of the panel (a line through point along direction).
struct JointEnd {
    enum class Kind { timber, joint, edge } kind = Kind::edge;
    QPointF point;
    QPointF direction;
};

JointEnd jointEnd(const CurvePlan& curve, const Outline& piece, const Crossing& x,
                  const std::vector<PanelSplit>& earlier) {
    const Segment& s = piece[std::size_t(x.place.segment)];
    const auto onSplit = [](QPointF q, const PanelSplit& e) {
        return std::abs(cross(unit(e.to - e.from), q - e.from)) < onLine;
    };
    if (s.kind == Segment::Kind::Line)
        for (const PanelSplit& e : earlier)
            if (onSplit(s.from, e) && onSplit(s.to, e))
                return {JointEnd::Kind::joint, e.from, unit(e.to - e.from)};
    if (timberDepth(curve, x.point) < onLine) return {JointEnd::Kind::timber, x.point, {}};
    return {JointEnd::Kind::edge, x.point, tangent(s, x.place.t)};
}

Outline outlineOf(const std::vector<QPointF>& polygon) {
    Outline o;
    for (std::size_t i = 0; i < polygon.size(); ++i)
        o.push_back(Segment::line(polygon[i], polygon[(i + 1) % polygon.size()]));
    return o;
}

double pointToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF d = b - a;
    const double length2 = dot(d, d);
    const double t = length2 > 0 ? std::clamp(dot(p - a, d) / length2, 0.0, 1.0) : 0;
    return distance(p, a + d * t);
}

bool segmentsCross(QPointF a, QPointF b, QPointF c, QPointF d) {
    const auto side = [](QPointF p, QPointF q, QPointF r) { return cross(q - p, r - p); };
    return side(a, b, c) * side(a, b, d) < 0 && side(c, d, a) * side(c, d, b) < 0;
}

// How near the polygon's edges come to the segment ab (0 when one crosses
// it; a segment wholly inside counts by its distance to the edges).
double distanceToSegment(const std::vector<QPointF>& polygon, QPointF a, QPointF b) {
    double nearest = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const QPointF p = polygon[i], q = polygon[(i + 1) % polygon.size()];
        if (segmentsCross(p, q, a, b)) return 0;
        nearest = std::min(
            {nearest, pointToSegment(p, a, b), pointToSegment(a, p, q), pointToSegment(b, p, q)});
    }
    return nearest;
}

double signedAreaOf(const std::vector<QPointF>& polygon) {
    double area = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i)
        area += cross(polygon[i], polygon[(i + 1) % polygon.size()]) / 2;
    return area;
}

// The polygon's part at least distance from the line, on the side of inside.
std::vector<QPointF> clip(const std::vector<QPointF>& polygon, QPointF point, QPointF direction,
                          double distance, QPointF inside) {
    const double side = cross(direction, inside - point) >= 0 ? 1 : -1;
    const auto margin = [&](QPointF q) { return side * cross(direction, q - point) - distance; };
    std::vector<QPointF> out;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const QPointF a = polygon[i], b = polygon[(i + 1) % polygon.size()];
        const double ma = margin(a), mb = margin(b);
        if (ma >= 0) out.push_back(a);
        if ((ma >= 0) != (mb >= 0)) out.push_back(lerp(a, b, ma / (ma - mb)));
    }
    return out;
}

// Along the joint from its end at the timber, how far the plate's square
// end stands: ribDepth + clearance below the frame curve (or the top edge)
// at every point across the plate.
double squareEnd(const CurvePlan& curve, QPointF end, QPointF along, QPointF across, double length,
                 double ribDepth) {
    constexpr double step = 1;
    constexpr int samples = 10;
    const double wanted = ribDepth + spliceClearance - slack;
    for (double y = ribDepth + spliceClearance; y < length; y += step) {
        bool clear = true;
        for (int i = 0; i <= samples && clear; ++i) {
            const double x = spliceWidth * (double(i) / samples - 0.5);
            clear = timberDepth(curve, end + along * y + across * x) >= wanted;
        }
        if (clear) return y;
    }
    return length;
}

// The splice plate across a joint: spliceWidth wide, centred on it; along
// it from spliceClearance inside the panel's far edge up to ribDepth +
// spliceClearance below the frame curve, square to the joint there; where
// it meets an earlier joint, or comes near its plate (plates: the earlier
// joints' plates, split indices into earlier), spliceClearance short of that
// joint's plate.
Outline splicePlate(const CurvePlan& curve, const Outline& piece, const Cut& cut,
                    const std::vector<PanelSplit>& earlier, const std::vector<PanelSplice>& plates,
                    double ribDepth) {
    const QPointF f = cut.from.point, t = cut.to.point;
    const double length = distance(f, t);
    const QPointF along = unit(t - f), across{-along.y(), along.x()};
    const JointEnd ends[2] = {jointEnd(curve, piece, cut.from, earlier),
                              jointEnd(curve, piece, cut.to, earlier)};
    const bool timber[2] = {ends[0].kind == JointEnd::Kind::timber,
                            ends[1].kind == JointEnd::Kind::timber};
    const double y0 =
        timber[0] ? squareEnd(curve, f, along, across, length, ribDepth) : -spliceWidth;
    const double y1 = timber[1] ? length - squareEnd(curve, t, along * -1, across, length, ribDepth)
                                : length + spliceWidth;
    const double half = spliceWidth / 2;
    std::vector<QPointF> polygon{f + along * y0 + across * half, f + along * y0 - across * half,
                                 f + along * y1 - across * half, f + along * y1 + across * half};
    const QPointF middle = lerp(f, t, 0.5);
    for (const JointEnd& end : ends) {
        if (end.kind == JointEnd::Kind::timber) continue;
        const double keep =
            end.kind == JointEnd::Kind::joint ? half + spliceClearance : spliceClearance;
        polygon = clip(polygon, end.point, end.direction, keep, middle);
    }
    // Nor may it come near an earlier plate where the joints do not meet:
    // it then keeps as far from that joint as where they meet.
    for (const PanelSplice& plate : plates) {
        double nearest = std::numeric_limits<double>::infinity();
        for (const Segment& edge : plate.outline)
            nearest = std::min(nearest, distanceToSegment(polygon, edge.from, edge.to));
        if (nearest >= spliceClearance) continue;
        const PanelSplit& e = earlier.at(std::size_t(plate.split));
        polygon = clip(polygon, e.from, unit(e.to - e.from), half + spliceClearance, middle);
    }
    if (signedAreaOf(polygon) < 0) std::reverse(polygon.begin(), polygon.end());
    return outlineOf(polygon);
}

// A plate too long for a sheet, in as few equal lengths along its joint as
// fit, spliceClearance apart.
std::vector<Outline> plateLengths(const Outline& plate, QPointF along, const SheetRoom& room) {
    std::vector<QPointF> polygon;
    double low = INFINITY, high = -INFINITY;
    for (const Segment& edge : plate) {
        polygon.push_back(edge.from);
        low = std::min(low, dot(edge.from, along));
        high = std::max(high, dot(edge.from, along));
    }
    const QPointF across{-along.y(), along.x()};
    const QPointF start = along * low;
    for (int n = 1;; ++n) {
        const double length = (high - low - (n - 1) * spliceClearance) / n;
        std::vector<Outline> lengths;
        bool fitting = true;
        for (int i = 0; i < n && fitting; ++i) {
            const double from = i * (length + spliceClearance), to = from + length;
            const QPointF a = start + along * from, b = start + along * to;
            std::vector<QPointF> part = polygon;
            if (i > 0) part = clip(part, a, across, 0, a + along);
            if (i < n - 1) part = clip(part, b, across, 0, b - along);
            lengths.push_back(outlineOf(part));
            fitting = room.fits(boundingBox(lengths.back()));
        }
        if (fitting || length < spliceWidth) return lengths;
    }
}

QuarvelError tooLarge() {
    return QuarvelError(panelTooLargeText());
}

// A plate this small (mm²) leaves too little to glue and screw: a joint that
// short is not cut.
constexpr double smallestPlate = spliceWidth * 100;

bool plateHolds(const Outline& plate) {
    return plate.size() >= 3 && signedArea(plate) >= smallestPlate;
}

// Cuts made so far, with their plates.
class Splitter {
public:
    Splitter(const CurvePlan& curve, int curveIndex, const SheetRoom& room, double ribDepth)
        : m_curve(curve)
        , m_curveIndex(curveIndex)
        , m_room(room)
        , m_ribDepth(ribDepth) {}

    bool fits(const Outline& piece) const { return m_room.fits(boundingBox(piece)); }

    // The cut of piece along the line, with a plate that holds; earlier:
    // the joints made before it.
    std::optional<Cut> cut(const Outline& piece, QPointF p, QPointF d,
                           const std::vector<PanelSplit>& earlier,
                           const std::vector<PanelSplice>& plates = {}) const {
        std::optional<Cut> c = cutAlong(piece, p, d);
        if (c && !plateHolds(splicePlate(m_curve, piece, *c, earlier, plates, m_ribDepth)))
            return std::nullopt;
        return c;
    }

    std::optional<Cut> normalCut(const Outline& piece, double station,
                                 const std::vector<PanelSplit>& earlier,
                                 const std::vector<PanelSplice>& plates = {}) const {
        const FrameStation at = frameStation(m_curve, station);
        return cut(piece, at.point - at.normal, at.normal, earlier, plates);
    }

    // Along the normal at rib stations: the cuts that give the fewest pieces
    // in all, once the pieces are cut vertically and horizontally as they
    // need (of as many, the back piece reaching farthest toward the toe).
    std::vector<Outline> alongNormals(const Outline& whole, const std::vector<double>& stations) {
        constexpr int none = std::numeric_limits<int>::max();
        constexpr int triedPieces = 6;
        const int n = int(stations.size());
        std::vector<std::optional<Cut>> first(std::size_t(n) + 1);
        for (int j = 0; j < n; ++j)
            first[std::size_t(j)] = normalCut(whole, stations[std::size_t(j)], {});
        // best[u]: the fewest pieces from cut u (n: the back end) to the toe,
        // and the next cut toward the toe.
        struct Best {
            int pieces = none;
            int next = -1;
        };
        std::vector<Best> best(std::size_t(n) + 1);
        for (int u = 0; u <= n; ++u) {
            if (u < n && !first[std::size_t(u)]) continue;
            const Outline& rest = u < n ? first[std::size_t(u)]->pieces[1] : whole;
            std::vector<PanelSplit> earlier;
            if (u < n) earlier.push_back(splitOf(SplitKind::normal, 0, 0, *first[std::size_t(u)]));
            best[std::size_t(u)] = {trial(rest, earlier), -1};
            // Pieces that need more cuts are tried only near u: farther
            // down they only grow.
            int tried = 0;
            for (int k = u - 1; k >= 0; --k) {
                if (best[std::size_t(k)].pieces == none) continue;
                const std::optional<Cut> c = normalCut(rest, stations[std::size_t(k)], earlier);
                if (!c) continue;
                int pieces = 1;
                if (!fits(c->pieces[0])) {
                    if (tried++ >= triedPieces) continue;
                    std::vector<PanelSplit> both = earlier;
                    both.push_back(splitOf(SplitKind::normal, 0, 0, *c));
                    pieces = trial(c->pieces[0], both);
                    if (pieces == none) continue;
                }
                if (pieces + best[std::size_t(k)].pieces <= best[std::size_t(u)].pieces)
                    best[std::size_t(u)] = {pieces + best[std::size_t(k)].pieces, k};
            }
        }
        if (best[std::size_t(n)].pieces == none) throw tooLarge();
        std::vector<Outline> pieces;
        Outline rest = whole;
        for (int k = best[std::size_t(n)].next; k >= 0; k = best[std::size_t(k)].next) {
            const std::optional<Cut> c =
                normalCut(rest, stations[std::size_t(k)], result.splits, result.plates);
            if (!c) throw tooLarge();
            record(SplitKind::normal, stations[std::size_t(k)], 0, rest, *c);
            pieces.push_back(c->pieces[0]);
            rest = c->pieces[1];
        }
        pieces.push_back(rest);
        return pieces;
    }

    // A piece cut vertically, then horizontally, as it needs.
    std::vector<Outline> finish(const Outline& piece, const std::vector<double>& joists) {
        std::vector<Outline> pieces;
        for (const Outline& part : vertically(piece, joists))
            for (Outline& row : horizontally(part))
                pieces.push_back(std::move(row));
        return pieces;
    }

    // Vertically at the deck joists, from the back end, where a piece is too
    // long to stand on end: each piece as long as fits, else as a sheet's
    // long side takes.
    std::vector<Outline> vertically(const Outline& piece, const std::vector<double>& joists) {
        std::vector<Outline> pieces;
        Outline rest = piece;
        while (!fits(rest) && boundingBox(rest).width() > m_room.shortSide + slack) {
            const QRectF box = boundingBox(rest);
            std::optional<Cut> chosen, fallback;
            double chosenAt = 0, fallbackAt = 0;
            for (auto u = joists.rbegin(); u != joists.rend() && !chosen; ++u) {
                if (*u <= box.left() || *u >= box.right()) continue;
                std::optional<Cut> c =
                    cut(rest, {*u, highestV(box) + 1}, {0, -1}, result.splits, result.plates);
                if (!c) continue;
                const QRectF left = boundingBox(c->pieces[0]);
                if (m_room.fits(left)) {
                    chosen = std::move(c);
                    chosenAt = *u;
                } else if (!fallback && left.width() <= m_room.longSide + slack) {
                    fallback = std::move(c);
                    fallbackAt = *u;
                }
            }
            if (!chosen) {
                chosen = std::move(fallback);
                chosenAt = fallbackAt;
            }
            if (!chosen) break;
            record(SplitKind::vertical, 0, chosenAt, rest, *chosen);
            pieces.push_back(chosen->pieces[0]);
            rest = chosen->pieces[1];
        }
        pieces.push_back(rest);
        return pieces;
    }

    // Horizontally, from the bottom up: each row as tall as fits, its line
    // moved down where it would come too near a corner.
    std::vector<Outline> horizontally(const Outline& piece) {
        constexpr double nudge = 10;
        constexpr double precision = 1;
        std::vector<Outline> pieces;
        Outline rest = piece;
        while (!fits(rest)) {
            const QRectF box = boundingBox(rest);
            const double low = lowestV(box) + minimumCornerDistance;
            // The highest line whose lower piece fits, wherever the line cuts.
            const auto lowerFits = [&](double at) {
                const std::optional<Cut> c = cutAlong(rest, {box.right() + 1, at}, {-1, 0});
                return !c || fits(c->pieces[1]);
            };
            double fitting = low, failing = highestV(box) - minimumCornerDistance;
            while (failing - fitting > precision) {
                const double middle = (fitting + failing) / 2;
                (lowerFits(middle) ? fitting : failing) = middle;
            }
            std::optional<Cut> chosen;
            double chosenAt = 0;
            for (double at = fitting; at >= low && !chosen; at -= nudge) {
                std::optional<Cut> c =
                    cut(rest, {box.right() + 1, at}, {-1, 0}, result.splits, result.plates);
                if (!c || !fits(c->pieces[1])) continue;
                chosen = std::move(c);
                chosenAt = at;
            }
            if (!chosen) break;
            record(SplitKind::horizontal, 0, chosenAt, rest, *chosen);
            pieces.push_back(chosen->pieces[1]);
            rest = chosen->pieces[0];
        }
        pieces.push_back(rest);
        return pieces;
    }

    PanelSplitting result;
    std::vector<double> joists;

private:
    // How many pieces a piece becomes when finished; none when some still do
    // not fit.
    int trial(const Outline& piece, const std::vector<PanelSplit>& earlier) const {
        if (fits(piece)) return 1;
        Splitter scratch(m_curve, m_curveIndex, m_room, m_ribDepth);
        scratch.result.splits = earlier;
        const std::vector<Outline> pieces = scratch.finish(piece, joists);
        for (const Outline& p : pieces)
            if (!fits(p)) return std::numeric_limits<int>::max();
        return int(pieces.size());
    }

    PanelSplit splitOf(SplitKind kind, double station, double at, const Cut& cut) const {
        return {m_curveIndex, kind, station, at, cut.from.point, cut.to.point};
    }

    void record(SplitKind kind, double station, double at, const Outline& piece, const Cut& cut) {
        const int index = int(result.splits.size());
        const Outline plate =
            splicePlate(m_curve, piece, cut, result.splits, result.plates, m_ribDepth);
        for (Outline& length : plateLengths(plate, unit(cut.to.point - cut.from.point), m_room))
            result.plates.push_back({m_curveIndex, index, std::move(length)});
        result.splits.push_back(splitOf(kind, station, at, cut));
    }

    const CurvePlan& m_curve;
    int m_curveIndex;
    SheetRoom m_room;
    double m_ribDepth;
};

} // namespace

bool SheetRoom::fits(const QRectF& box) const {
    const double w = box.width(), h = box.height();
    return (w <= longSide + slack && h <= shortSide + slack) ||
           (w <= shortSide + slack && h <= longSide + slack);
}

PanelSplitting splitPanel(CurvePlan& curve, int curveIndex, const std::vector<double>& deckJoists,
                          const SheetRoom& room, double ribDepth) {
    if (curve.panelHeight > largestPanelHeight + slack ||
        curve.panelLength > largestPanelLength + slack)
        throw tooLarge();
    Splitter splitter(curve, curveIndex, room, ribDepth);
    curve.pieces = {PanelPiece{curve.outline}};
    if (splitter.fits(curve.outline)) return {};
    splitter.joists = deckJoists;
    std::vector<Outline> pieces;
    for (const Outline& column : splitter.alongNormals(curve.outline, curve.stations))
        for (Outline& piece : splitter.finish(column, deckJoists))
            pieces.push_back(std::move(piece));
    curve.pieces.clear();
    for (Outline& piece : pieces) {
        if (!splitter.fits(piece)) throw tooLarge();
        curve.pieces.push_back(PanelPiece{std::move(piece)});
    }
    return std::move(splitter.result);
}
