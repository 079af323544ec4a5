#include "tchartaxes.h"

TChartAxes::TChartAxes(ChartRepaintRequester* requester)
    : m_bottom(true, false)
    , m_top(true, true)
    , m_left(false, false)
    , m_right(false, true) {
    m_left.Title().SetAngle(90);
    m_right.Title().SetAngle(270);
    // Only now: the defaults above are no change the chart must hear of.
    setRepaintRequester(requester);
}

TChartAxis* TChartAxes::at(int index) {
    return index >= 0 && index < Count ? all()[size_t(index)] : nullptr;
}

const TChartAxis* TChartAxes::at(int index) const {
    return const_cast<TChartAxes*>(this)->at(index);
}

void TChartAxes::setRepaintRequester(ChartRepaintRequester* requester) {
    for (TChartAxis* axis : all())
        axis->setRepaintRequester(requester);
}
