#include "ribsection.h"

#include <cmath>

std::array<QPointF, 4> ribSectionCorners(const CurvePlan& curve, QPointF station,
                                         const ConstructionSettings& settings) {
    double nu = 1, nv = 0; // into the material
    if (station.y() < curve.pivot.y()) {
        const double du = station.x() - curve.pivot.x(), dv = station.y() - curve.pivot.y();
        const double length = std::hypot(du, dv);
        if (length > 0) nu = du / length, nv = dv / length;
    }
    const double tu = -nv, tv = nu; // along the curve
    const double hw = settings.ribWidth / 2, d = settings.ribDepth;
    return {QPointF{station.x() - tu * hw, station.y() - tv * hw},
            QPointF{station.x() + tu * hw, station.y() + tv * hw},
            QPointF{station.x() + tu * hw + nu * d, station.y() + tv * hw + nv * d},
            QPointF{station.x() - tu * hw + nu * d, station.y() - tv * hw + nv * d}};
}
