#include "tchartdepthaxis.h"

TChartDepthAxis::TChartDepthAxis(ChartRepaintRequester* requester)
    : TChartAxis(false, false, nullptr) {
    SetVisible(false);
    setRepaintRequester(requester);
}

void TChartDepthAxis::calcPixelSpan(const ChartRect& plotRect) {
    TChartAxis::calcPixelSpan(plotRect);
    // Depth runs from the front plane to the back of the box.
    m_spanStart = 0;
    m_spanEnd = m_totalDepth;
    m_spanSize = m_totalDepth;
    m_spanCentre = m_totalDepth / 2;
    m_scale = rangeZero() ? 0 : double((long double)m_spanSize / (long double)range());
}
