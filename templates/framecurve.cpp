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
        const Point foot = curveSegments.back().to;
        curveSegments.push_back(Segment::line(foot, {foot.u, foot.v + curve.wall}));
    }
    return curveSegments;
}

Point frameNormal(const CurvePlan& curve, Point p) {
    const double du = p.u - curve.pivot.u;
    const double dv = p.v - curve.pivot.v;
    // Above the pivot only the wall edge remains.
    if (dv > 1e-9 && curve.wall > 0) return {-1, 0};
    const double length = std::hypot(du, dv);
    return {du / length, dv / length};
}

Point frameStationPoint(const CurvePlan& curve, double s) {
    const double arc = curve.curveLength - curve.wall;
    const Point c = curve.pivot;
    if (s > arc) return {c.u - curve.frameRadius, c.v + (s - arc)};
    const double a = 3 * std::numbers::pi / 2 - s / curve.frameRadius;
    return {c.u + curve.frameRadius * std::cos(a), c.v + curve.frameRadius * std::sin(a)};
}
