#pragma once

// Shared by the chart's drawing tests and benchmarks: a chart holding the
// default design, as the program shows it after its first Tracer run.

#include "rampdimensions.h"
#include "tchart.h"
#include "tchartaxis.h"
#include "tracer.h"

#include <QImage>
#include <QPainter>

#include <variant>

namespace chartfixture {

// A full paint into a fresh image (the kept image is marked stale first).
inline QImage paintFull(TChart& chart) {
    chart.requestRepaint();
    QImage image(chart.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    chart.paintTo(painter);
    return image;
}

// What the window shows after a paint that may reuse the kept image.
inline QImage paintAsIs(TChart& chart) {
    QImage image(chart.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    chart.paintTo(painter);
    return image;
}

// Applies a Tracer run's chart effects, as the main window does.
inline void applyChartEffects(TChart& chart, const TracerRun& run) {
    auto axis = [&](TracerAxis a) {
        return a == TracerAxis::Bottom ? chart.BottomAxis() : chart.LeftAxis();
    };
    for (const TracerEffect& effect : run.effects) {
        if (std::holds_alternative<ClearSeries>(effect))
            chart.Series(0)->ClearValues();
        else if (auto* a = std::get_if<AxisAutomatic>(&effect))
            axis(a->axis)->SetAutomatic(a->automatic);
        else if (auto* m = std::get_if<AxisMaximum>(&effect))
            axis(m->axis)->SetMaximum(m->value);
        else if (auto* m = std::get_if<AxisMinimum>(&effect))
            axis(m->axis)->SetMinimum(m->value);
        else if (auto* p = std::get_if<AddPoints>(&effect))
            for (const ProfilePoint& point : p->points)
                chart.Series(0)->AddPoint(point.x, point.y, QString(), clBlack);
    }
}

// The 900 x 465 chart after start-up (one paint) and a Tracer run of the
// given design (the default one unless told otherwise).
inline void loadDesign(TChart& chart, const RampDimensions& dims = RampDimensions{}) {
    chart.resize(900, 465);
    paintFull(chart);
    applyChartEffects(chart, runTracer(dims, chart.PlotWidth(), chart.PlotHeight()));
}

} // namespace chartfixture
