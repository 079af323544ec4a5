#include "tcustomaxispanel.h"

#include "axispainter.h"
#include "tcustomlineseries.h"
#include "tcustomseries.h"

TCustomAxisPanel::TCustomAxisPanel(QWidget* parent)
    : TCustomZelPanelExtended(parent)
    , m_axes(this)
    , m_series(this) {}

TCustomAxisPanel::~TCustomAxisPanel() {
    // The series outlive nothing of the chart: they must not call back into it.
    m_series.detach();
}

int TCustomAxisPanel::AddSeries(std::unique_ptr<TChartSeries> series) {
    if (auto* drawn = dynamic_cast<TCustomSeries*>(series.get()))
        drawn->setDrawingRepaintRequester(this);
    return m_series.add(std::move(series));
}

const TextMeasurer& TCustomAxisPanel::labelsMeasurer() {
    const QFont font = TZelCanvas::fontFor(m_axes.Bottom()->LabelsFont());
    if (!m_measurer || font != m_measurer->font()) m_measurer.emplace(font);
    return *m_measurer;
}

void TCustomAxisPanel::completeLayoutSettings(ChartLayoutSettings&) const {}

void TCustomAxisPanel::layOut() {
    // A paint lays out within the surface's bounds: the whole panel, from 0.
    layOut(QRect(QPoint(0, 0), size()));
}

void TCustomAxisPanel::layOut(const QRect& bounds) {
    ChartLayoutSettings settings;
    settings.width = bounds.width();
    settings.height = bounds.height();
    settings.borderWidth = BorderWidth();
    settings.margins = margins();
    settings.view3D = View3D();
    settings.chart3DPercent = Chart3DPercent();
    settings.orthogonal = View3DOptions().Orthogonal();
    settings.orthoAngle = View3DOptions().OrthoAngle();
    settings.axisVisible = m_axisVisible;
    completeLayoutSettings(settings);
    m_layout = layoutChart(settings, m_axes, m_series.all(), labelsMeasurer());
    setPlotRect(m_layout.plotRect);
}

void TCustomAxisPanel::drawContents(const QRect& bounds) {
    layOut(bounds);
    Canvas().SetProjectionCentre(m_layout.depth.totalDepth, m_layout.plotRect);
    if (m_layout.wallsApply) drawWalls();
    if (m_axisBehind) drawAxes();
    drawSeries();
    if (!m_axisBehind) drawAxes();
    drawZoomInProgress();
}

void TCustomAxisPanel::drawAxes() {
    if (!m_axisVisible) return;
    const AxisPainter::Geometry geometry{m_layout.plotRect, m_layout.depth.totalDepth, View3D()};
    const TextMeasurer& measurer = labelsMeasurer();
    // The depth axis (hidden in this chart) has no drawing of its own.
    for (TChartAxis* axis : m_axes.sideAxes())
        if (axis->drawnInLayout())
            AxisPainter::draw(Canvas(), *axis, axis->drawPlan(measurer), geometry);
}

void TCustomAxisPanel::drawSeries() {
    for (TChartSeries* series : m_series.all()) {
        auto* drawn = dynamic_cast<TCustomLineSeries*>(series);
        if (!drawn || !series->Active()) continue;
        SeriesPaintContext context;
        context.horizAxis = series->HorizAxis() == aTopAxis ? m_axes.Top() : m_axes.Bottom();
        context.vertAxis = series->VertAxis() == aRightAxis ? m_axes.Right() : m_axes.Left();
        context.plotRect = m_layout.plotRect;
        context.view3D = View3D();
        context.clipPoints = m_clipPoints;
        context.seriesDepth = m_layout.depth.seriesDepth;
        context.seriesDepthRise = m_layout.depth.seriesDepthRise;
        context.totalDepth = m_layout.depth.totalDepth;
        drawn->DrawAllValues(Canvas(), context);
    }
}
