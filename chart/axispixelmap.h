#pragma once

#include "tchartaxis.h"

#include <algorithm>
#include <cmath>

// TChartAxis::ValueToPixel for a drawing loop: the same computation on the
// axis' state of the current paint, but rounding with llrintl (to nearest,
// halves to even, as the default rounding mode does) instead of nearbyintl,
// which saves and restores the floating-point environment at each call and
// was the largest single cost of a 2D paint. A test holds the two equal.
class AxisPixelMap {
public:
    explicit AxisPixelMap(const TChartAxis& axis)
        : m_rangeZero(axis.rangeZero())
        , m_centre(axis.spanCentre())
        , m_minimum(axis.workingMinimum())
        , m_scale(axis.scale())
        , m_origin(axis.Horizontal() != axis.Inverted() ? axis.spanStart() : axis.spanEnd())
        , m_sign(axis.Horizontal() != axis.Inverted() ? 1 : -1) {}

    int toPixel(double value) const {
        if (m_rangeZero) return m_centre;
        const long double d = ((long double)value - m_minimum) * (long double)m_scale;
        long double p = m_sign > 0 ? m_origin + d : m_origin - d;
        if (std::isnan(p)) return m_centre;
        p = std::clamp(p, -(long double)TChartAxis::MaxPixelCoordinate,
                       (long double)TChartAxis::MaxPixelCoordinate);
        return int(std::llrintl(p));
    }

private:
    bool m_rangeZero;
    int m_centre;
    double m_minimum;
    double m_scale;
    int m_origin;
    int m_sign;
};
