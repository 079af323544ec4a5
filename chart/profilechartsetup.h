#pragma once

#include "tchartseries.h"
#include "tcolor.h"

#include <QString>
#include <QtGlobal>

class TChartAxis;

// The chart set-up of a Tracer run: clear the series, fix the bottom axis to
// 0..totalLength and the left axis to the same scale in pixels per unit, given
// the plot rectangle size of the last drawing. Each axis gets its maximum
// before its minimum, so an axis exception can leave the run half done: the
// series is then empty, and the axes keep what the earlier steps set.
void setUpProfileChart(TChartSeries& series, TChartAxis& bottomAxis, TChartAxis& leftAxis,
                       double totalLength, qint32 plotWidth, qint32 plotHeight);

// plotHeight × bottomMaximum ÷ plotWidth, in extended precision. Throws
// QuarvelError rather than giving an infinite or undefined maximum when
// plotWidth is 0 (before the chart has ever been drawn).
double equalScaleMaximum(qint32 plotHeight, double bottomMaximum, qint32 plotWidth);

// Appends the samples (anything with x and y members), black, without labels.
template <class Points> void addProfilePoints(TChartSeries& series, const Points& points) {
    for (const auto& p : points)
        series.AddPoint(p.x, p.y, QString(), clBlack);
}
