#include "tchart.h"

#include "tlineseries.h"

#include <memory>

TChart::TChart(QWidget* parent)
    : TCustomChart(parent) {
    setAutoRepaint(false);
    SetColor(clSilver);
    SetChart3DPercent(100);
    m_printMargins = PrintMarginsPercent{15, 33, 15, 33};

    auto series = std::make_unique<TLineSeries>();
    series->SetColorEachPoint(true);
    series->SetSeriesColor(clRed);
    series->Brush().SetColor(rgbColor(116, 89, 71));
    series->SetLineBrush(bsDiagCross);
    m_series1 = series.get();
    AddSeries(std::move(series));
    setAutoRepaint(true);
}
