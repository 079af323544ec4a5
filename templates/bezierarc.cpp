#include "bezierarc.h"

#include <cmath>

std::vector<CubicBezier> arcToBeziers(const Segment& arc, double maxSweep) {
    const int count =
        std::max(1, static_cast<int>(std::ceil(std::abs(arc.sweep) / maxSweep - 1e-9)));
    const double step = arc.sweep / count;
    // The control points lie on the tangents at k = 4/3 tan(step / 4) of the
    // radius: the classic choice that puts the piece's midpoint on the circle.
    const double k = 4.0 / 3.0 * std::tan(step / 4);
    std::vector<CubicBezier> pieces;
    pieces.reserve(count);
    auto at = [&](double angle) {
        return QPointF{arc.centre.x() + arc.radius * std::cos(angle),
                       arc.centre.y() + arc.radius * std::sin(angle)};
    };
    for (int i = 0; i < count; ++i) {
        const double a0 = arc.startAngle + i * step;
        const double a1 = arc.startAngle + (i + 1) * step;
        CubicBezier piece;
        piece.start = i == 0 ? arc.from : at(a0);
        piece.end = i == count - 1 ? arc.to : at(a1);
        piece.control1 = {piece.start.x() - k * arc.radius * std::sin(a0),
                          piece.start.y() + k * arc.radius * std::cos(a0)};
        piece.control2 = {piece.end.x() + k * arc.radius * std::sin(a1),
                          piece.end.y() - k * arc.radius * std::cos(a1)};
        pieces.push_back(piece);
    }
    return pieces;
}

QPointF bezierPoint(const CubicBezier& p, double t) {
    const double s = 1 - t;
    const double a = s * s * s;
    const double b = 3 * s * s * t;
    const double c = 3 * s * t * t;
    const double d = t * t * t;
    return {a * p.start.x() + b * p.control1.x() + c * p.control2.x() + d * p.end.x(),
            a * p.start.y() + b * p.control1.y() + c * p.control2.y() + d * p.end.y()};
}
