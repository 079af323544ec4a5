#include "panelsplitting.h"

#include "constructionwords.h"
#include "curvegeometry.h"
#include "framecurve.h"
#include "quarvelerror.h"

#include <algorithm>
#include <cmath>

namespace {
// The largest side panel the plan cuts into pieces (mm).
constexpr double largestPanelHeight = 6000;
constexpr double largestPanelLength = 12000;

// Rounding room for points on edges and parts exactly as large as the sheet.
constexpr double slack = 1e-9;

// A point on an outline: its segment and the parameter along it.
struct Place {
    int segment = 0;
    double t = 0;
};

// Where a cut meets the outline: on the frame curve and on the far edge.
struct Cut {
    double station = 0;
    Place curve;
    Place edge;
    QPointF from;
    QPointF to;
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

Cut cutAt(const CurvePlan& curve, double station) {
    const Outline& o = curve.outline;
    const double arc = curve.curveLength - curve.wall;
    Cut cut;
    cut.station = station;
    if (station <= arc || curve.wall <= 0)
        cut.curve = {frameArcSegment, arc > 0 ? station / arc : 0};
    else
        cut.curve = {frameArcSegment + 1, (station - arc) / curve.wall};
    const FrameStation onCurve = frameStation(curve, station);
    cut.from = onCurve.point;
    // The nearest edge the normal meets, going into the material.
    const std::optional<OutlineHit> hit = firstHit(o, cut.from, onCurve.normal, cut.curve.segment);
    if (hit) cut.edge = {hit->segment, std::clamp(hit->t, 0.0, 1.0)};
    if (cut.edge.t >= 1) cut.edge = {(cut.edge.segment + 1) % int(o.size()), 0};
    cut.to = lerp(o[cut.edge.segment].from, o[cut.edge.segment].to, cut.edge.t);
    return cut;
}

// The piece between an upper cut (nearer the back end) and a lower one;
// without upper it runs to the back end, without lower to the toe.
Outline pieceBetween(const Outline& o, const Cut* upper, const Cut* lower) {
    Outline out;
    if (upper && lower) {
        appendBoundary(out, o, upper->edge, lower->edge);
        append(out, Segment::line(lower->to, lower->from));
        appendBoundary(out, o, lower->curve, upper->curve);
        append(out, Segment::line(upper->from, upper->to));
    } else if (upper) {
        appendBoundary(out, o, upper->edge, upper->curve);
        append(out, Segment::line(upper->from, upper->to));
    } else {
        appendBoundary(out, o, lower->curve, lower->edge);
        append(out, Segment::line(lower->to, lower->from));
    }
    close(out);
    return out;
}

// The smallest index in [low, high] for which fits holds, given that it holds
// for every index above one that does; -1 when it holds for none.
template <class F> int smallestFitting(int low, int high, F fits) {
    if (low > high || !fits(high)) return -1;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (fits(middle))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

} // namespace

std::vector<PanelSplit> splitPanel(CurvePlan& curve, int curveIndex, double sheetLong,
                                   double sheetShort, double kerf) {
    const auto fits = [&](const Outline& piece) {
        const QRectF r = boundingBox(piece);
        return r.width() <= sheetLong - 2 * kerf + slack &&
               r.height() <= sheetShort - 2 * kerf + slack;
    };
    curve.pieces = {PanelPiece{curve.outline}};
    if (fits(curve.outline)) return {};
    const auto tooLarge = [] { return QuarvelError(panelTooLargeText()); };
    // A panel no builder can stand up and join is refused, however it might
    // be cut: beyond these a ramp is a building.
    if (curve.panelHeight > largestPanelHeight || curve.panelLength > largestPanelLength)
        throw tooLarge();

    const Outline& o = curve.outline;
    std::vector<Cut> cuts;
    for (double s : curve.stations)
        cuts.push_back(cutAt(curve, s));

    // Greedy from the back end: each piece reaches as far toward the toe as fits.
    std::vector<int> chosen;
    int upper = smallestFitting(0, int(cuts.size()) - 1,
                                [&](int j) { return fits(pieceBetween(o, nullptr, &cuts[j])); });
    if (upper < 0) throw tooLarge();
    chosen.push_back(upper);
    while (!fits(pieceBetween(o, &cuts[upper], nullptr))) {
        const int lower = smallestFitting(
            0, upper - 1, [&](int k) { return fits(pieceBetween(o, &cuts[upper], &cuts[k])); });
        if (lower < 0) throw tooLarge();
        chosen.push_back(lower);
        upper = lower;
    }

    curve.pieces.clear();
    std::vector<PanelSplit> splits;
    for (std::size_t i = 0; i <= chosen.size(); ++i) {
        const Cut* above = i > 0 ? &cuts[chosen[i - 1]] : nullptr;
        const Cut* below = i < chosen.size() ? &cuts[chosen[i]] : nullptr;
        curve.pieces.push_back(PanelPiece{pieceBetween(o, above, below)});
        if (below) splits.push_back({curveIndex, below->station, below->from, below->to});
    }
    return splits;
}
