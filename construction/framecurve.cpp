#include "framecurve.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
// The toe lies straight below the pivot; the arc turns clockwise from it.
constexpr double toeAngle = 3 * std::numbers::pi / 2;
} // namespace

double frameArcAngle(const CurvePlan& curve) {
    return (curve.curveLength - curve.wall) / curve.frameRadius;
}

FrameStation frameStation(const CurvePlan& curve, double s) {
    s = std::clamp(s, 0.0, curve.curveLength);
    const double arc = curve.curveLength - curve.wall;
    const QPointF c = curve.pivot;
    const double rf = curve.frameRadius;
    FrameStation station;
    if (s > arc) {
        station.point = {c.x() - rf, c.y() + (s - arc)};
        station.normal = {-1, 0};
        station.angle = arc / rf;
        station.onWall = true;
        return station;
    }
    const double a = toeAngle - s / rf;
    station.normal = {std::cos(a), std::sin(a)};
    station.point = {c.x() + rf * station.normal.x(), c.y() + rf * station.normal.y()};
    station.angle = s / rf;
    return station;
}

Outline frameCurve(const CurvePlan& curve) {
    Outline segments{Segment::arc(curve.pivot, curve.frameRadius, toeAngle, -frameArcAngle(curve))};
    if (curve.wall > 0) {
        const QPointF foot = segments.back().to;
        segments.push_back(Segment::line(foot, {foot.x(), foot.y() + curve.wall}));
    }
    return segments;
}

std::array<QPointF, 4> ribSection(const FrameStation& station, double width, double depth) {
    const QPointF along(-station.normal.y(), station.normal.x());
    const QPointF half = along * (width / 2);
    const QPointF p = station.point;
    return {p - half, p + half, p + half + station.normal * depth,
            p - half + station.normal * depth};
}

double depthInside(const Outline& outline, const FrameStation& station, double limit) {
    const std::optional<OutlineHit> hit = firstHit(outline, station.point, station.normal);
    return hit ? std::min(limit, hit->distance) : limit;
}

double timberDepth(const CurvePlan& curve, QPointF q) {
    const QPointF c = curve.pivot;
    const double fromCurve = q.y() <= c.y()
                                 ? std::hypot(q.x() - c.x(), q.y() - c.y()) - curve.frameRadius
                                 : (c.x() - curve.frameRadius) - q.x();
    const double top =
        curve.notch && q.x() >= curve.notch->x() ? curve.notchFloor : curve.deckFrameTop;
    return std::min(fromCurve, top - q.y());
}
