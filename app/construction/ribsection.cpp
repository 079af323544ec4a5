#include "ribsection.h"

#include <cmath>

std::array<Point, 4> ribSectionCorners(const CurvePlan& curve, Point station,
                                       const ConstructionSettings& settings) {
    double nu = 1, nv = 0; // into the material
    if (station.v < curve.pivot.v) {
        const double du = station.u - curve.pivot.u, dv = station.v - curve.pivot.v;
        const double length = std::hypot(du, dv);
        if (length > 0) nu = du / length, nv = dv / length;
    }
    const double tu = -nv, tv = nu; // along the curve
    const double hw = settings.ribWidth / 2, d = settings.ribDepth;
    return {Point{station.u - tu * hw, station.v - tv * hw},
            Point{station.u + tu * hw, station.v + tv * hw},
            Point{station.u + tu * hw + nu * d, station.v + tv * hw + nv * d},
            Point{station.u - tu * hw + nu * d, station.v - tv * hw + nv * d}};
}
