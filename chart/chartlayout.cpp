#include "chartlayout.h"

#include "tchartaxes.h"
#include "tchartseries.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

int mulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const long long product = (long long)a * b;
    long long quotient = product / c;
    const long long remainder = product % c;
    if (2 * std::llabs(remainder) >= std::llabs((long long)c))
        quotient += ((product < 0) != (c < 0)) ? -1 : 1;
    if (quotient > std::numeric_limits<int>::max() || quotient < std::numeric_limits<int>::min())
        return -1;
    return int(quotient);
}

namespace {

int roundHalfEvenExtended(long double value) {
    const long double r = std::nearbyint(value);
    if (!(r >= std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    if (r > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    return int(r);
}

} // namespace

int roundHalfEven(double value) {
    return roundHalfEvenExtended(value);
}

ChartRect marginRect(int width, int height, int borderWidth, const ChartMargins& margins) {
    return ChartRect{borderWidth + mulDiv(margins.left, width, 100),
                     borderWidth + mulDiv(margins.top, height, 100),
                     width - borderWidth - mulDiv(margins.right, width, 100),
                     height - borderWidth - mulDiv(margins.bottom, height, 100)};
}

void normalisePlotRect(ChartRect& rect, const ChartRect& bounds) {
    rect.left = std::max(rect.left, bounds.left);
    rect.top = std::max(rect.top, bounds.top);
    if (rect.right < rect.left)
        rect.right = rect.left + 1;
    else if (rect.right == rect.left)
        rect.right = rect.left + bounds.width();
    if (rect.bottom < rect.top)
        rect.bottom = rect.top + 1;
    else if (rect.bottom == rect.top)
        rect.bottom = rect.top + bounds.height();
}

ChartDepth computeDepth(int plotWidth, bool view3D, int chart3DPercent, bool orthogonal,
                        int orthoAngle, int depthSlots) {
    ChartDepth depth;
    depth.depthSlots = std::max(1, depthSlots);
    if (!view3D) return depth;
    // Extended precision throughout: 0.001 is not exact, so a width whose
    // depth looks like an exact half lands just below it.
    long double factor = chart3DPercent * 0.001L;
    if (!orthogonal) factor *= 2;
    int seriesDepth = roundHalfEvenExtended(plotWidth * factor);
    long double tangent = 1.0L;
    if (orthogonal) {
        const long double angle = orthoAngle * (long double)0.017453292519943295;
        tangent = std::sin(angle) / std::cos(angle);
    }
    if (tangent > 1.0L) seriesDepth = roundHalfEvenExtended(seriesDepth / tangent);
    depth.seriesDepth = seriesDepth;
    depth.seriesDepthRise = roundHalfEvenExtended(seriesDepth * tangent);
    depth.totalDepth = depth.depthSlots * depth.seriesDepth;
    depth.totalDepthRise = depth.depthSlots * depth.seriesDepthRise;
    return depth;
}

int assignSeriesZOrder(const QList<TChartSeries*>& series) {
    int highest = -1;
    for (TChartSeries* s : series) {
        if (!s->Active()) continue;
        if (s->ZOrder() == TCustomChartSeries::AutomaticZOrder) {
            s->setEffectiveZOrder(++highest);
        } else {
            s->setEffectiveZOrder(s->ZOrder());
            highest = std::max(highest, s->ZOrder());
        }
    }
    for (TChartSeries* s : series)
        if (s->Active()) s->setDepthLayout(highest - s->effectiveZOrder(), s->StartZ(), s->EndZ());
    return highest;
}

void assignSeriesDepths(const QList<TChartSeries*>& series, int seriesDepth) {
    for (TChartSeries* s : series) {
        if (!s->Active()) continue;
        const int start = seriesDepth * s->depthSlot();
        const int own = s->Depth() == TCustomChartSeries::AutomaticDepth ? seriesDepth : s->Depth();
        s->setDepthLayout(s->depthSlot(), start, start + own);
    }
}

namespace {

bool axisShown(const TChartAxis& axis, const ChartLayoutSettings& settings,
               const QList<TChartSeries*>& series) {
    if (!settings.axisVisible || !axis.Visible()) return false;
    if (axis.IsDepthAxis()) return settings.view3D;
    return std::any_of(series.begin(), series.end(), [&](const TChartSeries* s) {
        return s->Active() && s->associatedToAxis(axis);
    });
}

} // namespace

ChartLayoutResult layoutChart(const ChartLayoutSettings& settings, TChartAxes& axes,
                              const QList<TChartSeries*>& series, const TextMeasurer& measurer) {
    ChartLayoutResult result;
    const ChartRect bounds{0, 0, settings.width, settings.height};
    ChartRect rect =
        marginRect(settings.width, settings.height, settings.borderWidth, settings.margins);
    normalisePlotRect(rect, bounds);

    const int depthSlots = std::max(1, assignSeriesZOrder(series) + 1);
    result.depth = computeDepth(rect.width(), settings.view3D, settings.chart3DPercent,
                                settings.orthogonal, settings.orthoAngle, depthSlots);
    const bool anyActive = std::any_of(series.begin(), series.end(),
                                       [](const TChartSeries* s) { return s->Active(); });
    result.wallsApply =
        !anyActive || std::any_of(series.begin(), series.end(), [](const TChartSeries* s) {
            return s->Active() && s->UsesAxes();
        });
    if (settings.view3D && settings.orthogonal) {
        const int wall = result.wallsApply ? settings.backWallSize : 0;
        rect.right -= std::abs(result.depth.totalDepth) + wall;
        rect.top += std::abs(result.depth.totalDepthRise) + wall;
        if (settings.rightWallVisible) rect.right -= settings.rightWallSize + 1;
        normalisePlotRect(rect, bounds);
    }
    result.beforeAxes = rect;

    axes.Depth()->setTotalDepth(result.depth.totalDepth);
    for (TChartAxis* axis : axes.all()) {
        axis->adjustRange(series);
        axis->calcPixelSpan(rect);
    }
    // Each axis takes its space from its own copy; the copies' intersection is
    // the new rectangle.
    ChartRect reduced = rect;
    const bool walls3D = settings.view3D && settings.view3DWalls;
    for (TChartAxis* axis : axes.all()) {
        const bool shown = axisShown(*axis, settings, series);
        axis->setDrawnInLayout(shown);
        if (!shown) continue;
        int wall = 0;
        if (walls3D && axis == axes.Left()) wall = settings.leftWallSize;
        if (walls3D && axis == axes.Bottom()) wall = settings.bottomWallSize;
        ChartRect copy = rect;
        axis->takeSpace(copy, measurer, wall);
        reduced.left = std::max(reduced.left, copy.left);
        reduced.top = std::max(reduced.top, copy.top);
        reduced.right = std::min(reduced.right, copy.right);
        reduced.bottom = std::min(reduced.bottom, copy.bottom);
    }
    normalisePlotRect(reduced, bounds);
    for (TChartAxis* axis : axes.all())
        axis->calcPixelSpan(reduced);
    result.plotRect = reduced;

    assignSeriesDepths(series, result.depth.seriesDepth);
    return result;
}
