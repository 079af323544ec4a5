#include "tchartserieslist.h"

#include "chartrepaintrequester.h"

TChartSeriesList::TChartSeriesList(ChartRepaintRequester* requester)
    : m_requester(requester) {}

TChartSeriesList::~TChartSeriesList() {
    detach();
}

TChartSeries* TChartSeriesList::at(int index) const {
    if (index < 0 || index >= count()) return nullptr;
    return m_series[size_t(index)].get();
}

int TChartSeriesList::add(std::unique_ptr<TChartSeries> series) {
    series->setRepaintRequester(m_requester);
    m_series.push_back(std::move(series));
    if (m_requester) m_requester->requestRepaint();
    return count() - 1;
}

void TChartSeriesList::detach() {
    for (auto& series : m_series)
        series->setRepaintRequester(nullptr);
}

QList<TChartSeries*> TChartSeriesList::all() const {
    QList<TChartSeries*> result;
    result.reserve(count());
    for (const auto& series : m_series)
        result.append(series.get());
    return result;
}
