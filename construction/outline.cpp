#include "outline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

Segment Segment::line(Point from, Point to) {
    Segment s;
    s.kind = Kind::Line;
    s.from = from;
    s.to = to;
    return s;
}

Segment Segment::arc(Point centre, double radius, double start, double sweep) {
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

Point arcPoint(const Segment& arc, double t) {
    const double a = arc.startAngle + t * arc.sweep;
    return {arc.centre.u + arc.radius * std::cos(a), arc.centre.v + arc.radius * std::sin(a)};
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

void extendBox(std::optional<Rect>& box, Point p) {
    if (!box) {
        box = Rect{p.u, p.v, p.u, p.v};
        return;
    }
    box->left = std::min(box->left, p.u);
    box->right = std::max(box->right, p.u);
    box->bottom = std::min(box->bottom, p.v);
    box->top = std::max(box->top, p.v);
}

Rect boundingBox(const Outline& outline) {
    std::optional<Rect> r;
    for (const Segment& s : outline) {
        extendBox(r, s.from);
        extendBox(r, s.to);
        if (s.kind != Segment::Kind::Arc) continue;
        for (int k = 0; k < 4; ++k) {
            const double a = k * std::numbers::pi / 2;
            if (arcPassesAngle(s, a))
                extendBox(
                    r, {s.centre.u + s.radius * std::cos(a), s.centre.v + s.radius * std::sin(a)});
        }
    }
    return r.value_or(Rect{});
}

std::vector<Point> flatten(const Outline& outline, double tolerance) {
    std::vector<Point> points;
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
            const Point x = map(Point{1, 0}), o = map(Point{0, 0});
            a.startAngle = s.startAngle + std::atan2(x.v - o.v, x.u - o.u); // the turn
        }
        a.startAngle = std::remainder(a.startAngle, 2 * std::numbers::pi);
        result.push_back(a);
    }
    return result;
}

} // namespace

Outline mirrored(const Outline& outline, double mirrorAxis2) {
    return mapped(
        outline,
        [&](Point p) {
            return Point{mirrorAxis2 - p.u, p.v};
        },
        true);
}

Outline turned(const Outline& outline, double cu, double cv) {
    return mapped(
        outline,
        [&](Point p) {
            return Point{2 * cu - p.u, 2 * cv - p.v};
        },
        false);
}

Outline quarterTurned(const Outline& outline, int quarters) {
    quarters = ((quarters % 4) + 4) % 4;
    return mapped(
        outline,
        [&](Point p) {
            for (int i = 0; i < quarters; ++i)
                p = Point{-p.v, p.u};
            return p;
        },
        false);
}

Outline translated(const Outline& outline, double du, double dv) {
    return mapped(
        outline,
        [&](Point p) {
            return Point{p.u + du, p.v + dv};
        },
        false);
}

double signedArea(const Outline& outline) {
    double area = 0;
    for (const Segment& s : outline) {
        area += (s.from.u * s.to.v - s.to.u * s.from.v) / 2;
        if (s.kind == Segment::Kind::Arc) // the circular segment between chord and arc
            area += s.radius * s.radius / 2 * (s.sweep - std::sin(s.sweep));
    }
    return area;
}
