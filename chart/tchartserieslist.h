#pragma once

#include "tchartseries.h"

#include <memory>
#include <vector>

class ChartRepaintRequester;

// The chart's series, in drawing order; owns them.
class TChartSeriesList {
public:
    explicit TChartSeriesList(ChartRepaintRequester* requester = nullptr);
    ~TChartSeriesList();

    int count() const { return int(m_series.size()); }
    // Null for an index outside the list.
    TChartSeries* at(int index) const;
    // Takes ownership; returns the series' index.
    int add(std::unique_ptr<TChartSeries> series);
    // Detaches every series from the chart (called when the chart goes away).
    void detach();
    QList<TChartSeries*> all() const;

private:
    ChartRepaintRequester* m_requester;
    std::vector<std::unique_ptr<TChartSeries>> m_series;
};
