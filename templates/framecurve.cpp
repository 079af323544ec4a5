#include "framecurve.h"

#include <cmath>
#include <numbers>

namespace {

double arcAngle(const CurvePlan& curve) {
    return (curve.curveLength - curve.wall) / curve.frameRadius;
}

} // namespace

Outline frameCurve(const CurvePlan& curve) {
    // The toe lies straight below the pivot; the arc turns clockwise from it.
    Outline curveSegments{
        Segment::arc(curve.pivot, curve.frameRadius, 3 * std::numbers::pi / 2, -arcAngle(curve))};
    if (curve.wall > 0) {
        const QPointF foot = curveSegments.back().to;
        curveSegments.push_back(Segment::line(foot, {foot.x(), foot.y() + curve.wall}));
    }
    return curveSegments;
}

QPointF frameNormal(const CurvePlan& curve, QPointF p) {
    const double du = p.x() - curve.pivot.x();
    const double dv = p.y() - curve.pivot.y();
    // Above the pivot only the wall edge remains.
    if (dv > 1e-9 && curve.wall > 0) return {-1, 0};
    const double length = std::hypot(du, dv);
    return {du / length, dv / length};
}

QPointF frameStationPoint(const CurvePlan& curve, double s) {
    const double arc = curve.curveLength - curve.wall;
    const QPointF c = curve.pivot;
    if (s > arc) return {c.x() - curve.frameRadius, c.y() + (s - arc)};
    const double a = 3 * std::numbers::pi / 2 - s / curve.frameRadius;
    return {c.x() + curve.frameRadius * std::cos(a), c.y() + curve.frameRadius * std::sin(a)};
}
