#include "tchartaxes.h"

TChartAxes::TChartAxes(ChartRepaintRequester* requester)
    : m_bottom(true, false, requester)
    , m_top(true, true, requester)
    , m_left(false, false, requester)
    , m_right(false, true, requester)
    , m_depth(requester) {
    m_left.Title().SetAngle(90);
    m_right.Title().SetAngle(270);
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
