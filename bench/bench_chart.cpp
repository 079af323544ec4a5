#include "../chart/tests/chartfixture.h"

#include "tchartaxis.h"
#include "tzelcanvas3d.h"

#include <benchmark/benchmark.h>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <vector>

// The speed goals of the chart: a full paint of the 900 x 465 chart holding
// the default design, in 3D at most 4 ms and in 2D at most 0.5 ms (medians).

namespace {

void paintChart(benchmark::State& state, bool view3D) {
    TChart chart;
    chartfixture::loadDesign(chart);
    chart.SetView3D(view3D);
    QImage window(chart.size(), QImage::Format_RGB32);
    QPainter painter(&window);
    for (auto _ : state) {
        chart.requestRepaint();
        chart.paintTo(painter);
        benchmark::DoNotOptimize(window.constBits());
    }
}

void BM_PaintChart3D(benchmark::State& state) {
    paintChart(state, true);
}
BENCHMARK(BM_PaintChart3D)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_PaintChart2D(benchmark::State& state) {
    paintChart(state, false);
}
BENCHMARK(BM_PaintChart2D)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A paint with nothing changed: the kept image copied once.
void BM_PaintChartUnchanged(benchmark::State& state) {
    TChart chart;
    chartfixture::loadDesign(chart);
    QImage window(chart.size(), QImage::Format_RGB32);
    QPainter painter(&window);
    chart.paintTo(painter);
    for (auto _ : state) {
        chart.paintTo(painter);
        benchmark::DoNotOptimize(window.constBits());
    }
}
BENCHMARK(BM_PaintChartUnchanged)->Unit(benchmark::kMillisecond);

// For comparison: the ribbon's faces of the default design drawn the
// straightforward way, one clipped QPainter polygon with a 1-pixel pen and a
// hatched brush per face.
void BM_RibbonFacesWithQPainter(benchmark::State& state) {
    TChart chart;
    chartfixture::loadDesign(chart);
    chartfixture::paintFull(chart);
    const ChartRect r = chart.plotRectEdges();
    const int depth = chart.lastLayout().depth.totalDepth;
    const TChartSeries& series = *chart.Series(0);
    std::vector<QPolygon> faces;
    QPoint previous;
    for (int i = 0; i < series.PointCount(); ++i) {
        const QPoint p(chart.BottomAxis()->ValueToPixel(series.XValues().Value(i)),
                       chart.LeftAxis()->ValueToPixel(series.YValues().Value(i)));
        if (i > 0 && p != previous)
            faces.push_back(QPolygon(
                {p, previous, previous + QPoint(depth, -depth), p + QPoint(depth, -depth)}));
        previous = p;
    }
    state.counters["faces"] = double(faces.size());
    QPainterPath clip;
    clip.addPolygon(
        QPolygon({QPoint(r.left, r.bottom + 1), QPoint(r.left, r.top),
                  QPoint(r.left + depth, r.top - depth), QPoint(r.right + depth, r.top - depth),
                  QPoint(r.right + depth, r.bottom + 1 - depth), QPoint(r.right, r.bottom + 1)}));
    QImage image(chart.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setClipPath(clip);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(QBrush(Qt::black, Qt::DiagCrossPattern));
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.setBackground(QColor(192, 192, 192));
        for (const QPolygon& face : faces)
            painter.drawPolygon(face);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RibbonFacesWithQPainter)->Unit(benchmark::kMillisecond);

} // namespace
