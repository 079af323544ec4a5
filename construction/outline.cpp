#include "outline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

Segment Segment::line(QPointF from, QPointF to) {
    Segment s;
    s.kind = Kind::Line;
    s.from = from;
    s.to = to;
    return s;
}

Segment Segment::arc(QPointF centre, double radius, double start, double sweep) {
    Segment s;
    s.kind = Kind::Arc;
    s.centre = centre;
    s.radius = radius;
    s.startAngle = start;
    s.sweep = sweep;
    s.from = arcPoint(s, 0);
    s.to = arcPoint(s, 1);
    return s;
}

QPointF arcPoint(const Segment& arc, double t) {
    const double a = arc.startAngle + t * arc.sweep;
    return {arc.centre.x() + arc.radius * std::cos(a), arc.centre.y() + arc.radius * std::sin(a)};
}

namespace {

// Whether the arc passes through angle a (strictly inside its sweep).
bool arcPassesAngle(const Segment& s, double a) {
    const double twoPi = 2 * std::numbers::pi;
    double d = s.sweep >= 0 ? a - s.startAngle : s.startAngle - a;
    d = std::fmod(d, twoPi);
    if (d < 0) d += twoPi;
    return d > 0 && d < std::abs(s.sweep);
}

} // namespace

QRectF boundingBox(const Outline& outline) {
    if (outline.empty()) return {};
    // The lowest and highest u and v, kept exactly: a QRectF built from them
    // has exactly their width and height.
    double left = outline.front().from.x(), right = left;
    double low = outline.front().from.y(), high = low;
    const auto take = [&](QPointF p) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        low = std::min(low, p.y());
        high = std::max(high, p.y());
    };
    for (const Segment& s : outline) {
        take(s.from);
        take(s.to);
        if (s.kind != Segment::Kind::Arc) continue;
        for (int k = 0; k < 4; ++k) {
            const double a = k * std::numbers::pi / 2;
            if (arcPassesAngle(s, a))
                take(
                    {s.centre.x() + s.radius * std::cos(a), s.centre.y() + s.radius * std::sin(a)});
        }
    }
    return QRectF(QPointF(left, low), QPointF(right, high));
}

QList<QPointF> flatten(const Outline& outline, double tolerance) {
    QList<QPointF> points;
    for (const Segment& s : outline) {
        points.push_back(s.from);
        if (s.kind != Segment::Kind::Arc) continue;
        // A chord of angle a strays r(1 - cos(a/2)) from its arc.
        const double maxStep =
            tolerance >= s.radius ? std::numbers::pi / 2 : 2 * std::acos(1 - tolerance / s.radius);
        const int n = std::max(1, int(std::ceil(std::abs(s.sweep) / maxStep)));
        for (int i = 1; i < n; ++i)
            points.push_back(arcPoint(s, double(i) / n));
    }
    return points;
}

bool polygonContains(const QList<QPointF>& polygon, QPointF p) {
    bool in = false;
    for (qsizetype i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const QPointF a = polygon[i], b = polygon[j];
        if ((a.y() > p.y()) != (b.y() > p.y()) &&
            p.x() < a.x() + (p.y() - a.y()) * (b.x() - a.x()) / (b.y() - a.y()))
            in = !in;
    }
    return in;
}

namespace {

// Nearer than this to its start, a ray has not left the edge it starts on.
constexpr double rayStart = 1e-7;
// Room for rounding at a segment's ends.
constexpr double endSlack = 1e-9;

double cross(QPointF a, QPointF b) {
    return a.x() * b.y() - a.y() * b.x();
}

// The ray's hits on a line segment: at most one (none when parallel).
void lineHit(const Segment& s, QPointF from, QPointF direction, std::optional<OutlineHit>& best,
             int index) {
    const QPointF d = s.to - s.from;
    const double denominator = cross(direction, d);
    if (std::abs(denominator) <= endSlack) return;
    const QPointF w = s.from - from;
    const double along = cross(w, d) / denominator;
    const double t = cross(w, direction) / denominator;
    if (along <= rayStart || t < -endSlack || t > 1 + endSlack) return;
    if (!best || along < best->distance) best = OutlineHit{index, t, along};
}

// The ray's hits on an arc: where it crosses the circle within the sweep.
void arcHit(const Segment& s, QPointF from, QPointF direction, std::optional<OutlineHit>& best,
            int index) {
    const QPointF w = from - s.centre;
    const double b = QPointF::dotProduct(w, direction);
    const double c = QPointF::dotProduct(w, w) - s.radius * s.radius;
    const double discriminant = b * b - c;
    if (discriminant < 0) return;
    const double root = std::sqrt(discriminant);
    for (const double along : {-b - root, -b + root}) {
        if (along <= rayStart || (best && along >= best->distance)) continue;
        const QPointF p = from + direction * along - s.centre;
        double turned = std::atan2(p.y(), p.x()) - s.startAngle;
        if (s.sweep < 0) turned = -turned;
        turned = std::fmod(turned, 2 * std::numbers::pi);
        if (turned < 0) turned += 2 * std::numbers::pi;
        const double t = turned / std::abs(s.sweep);
        if (t <= 1 + endSlack) best = OutlineHit{index, std::min(t, 1.0), along};
    }
}

} // namespace

std::optional<OutlineHit> firstHit(const Outline& outline, QPointF from, QPointF direction,
                                   int skipped) {
    std::optional<OutlineHit> best;
    for (int i = 0; i < int(outline.size()); ++i) {
        if (i == skipped) continue;
        if (outline[i].kind == Segment::Kind::Line)
            lineHit(outline[i], from, direction, best, i);
        else
            arcHit(outline[i], from, direction, best, i);
    }
    return best;
}

namespace {

template <class F> Outline mapped(const Outline& outline, F map, bool reflects) {
    Outline result;
    result.reserve(outline.size());
    for (const Segment& s : outline) {
        if (s.kind == Segment::Kind::Line) {
            result.push_back(Segment::line(map(s.from), map(s.to)));
            continue;
        }
        Segment a = s;
        a.centre = map(s.centre);
        a.from = map(s.from);
        a.to = map(s.to);
        if (reflects) {
            a.startAngle = std::numbers::pi - s.startAngle;
            a.sweep = -s.sweep;
        } else {
            const QPointF x = map(QPointF(1, 0)) - map(QPointF(0, 0));
            a.startAngle = s.startAngle + std::atan2(x.y(), x.x()); // the turn
        }
        a.startAngle = std::remainder(a.startAngle, 2 * std::numbers::pi);
        result.push_back(a);
    }
    return result;
}

} // namespace

Outline mirrored(const Outline& outline, double mirrorAxis2) {
    return mapped(
        outline, [&](QPointF p) { return QPointF(mirrorAxis2 - p.x(), p.y()); }, true);
}

Outline turned(const Outline& outline, double cu, double cv) {
    return mapped(
        outline, [&](QPointF p) { return QPointF(2 * cu - p.x(), 2 * cv - p.y()); }, false);
}

Outline quarterTurned(const Outline& outline, int quarters) {
    quarters = ((quarters % 4) + 4) % 4;
    return mapped(
        outline,
        [&](QPointF p) {
            for (int i = 0; i < quarters; ++i)
                p = QPointF(-p.y(), p.x());
            return p;
        },
        false);
}

Outline translated(const Outline& outline, double du, double dv) {
    return mapped(
        outline, [&](QPointF p) { return QPointF(p.x() + du, p.y() + dv); }, false);
}

double signedArea(const Outline& outline) {
    double area = 0;
    for (const Segment& s : outline) {
        area += (s.from.x() * s.to.y() - s.to.x() * s.from.y()) / 2;
        if (s.kind == Segment::Kind::Arc) // the circular segment between chord and arc
            area += s.radius * s.radius / 2 * (s.sweep - std::sin(s.sweep));
    }
    return area;
}
