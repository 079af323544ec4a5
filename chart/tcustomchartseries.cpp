#include "tcustomchartseries.h"

void TCustomChartSeries::SetZOrder(int zOrder) {
    if (m_zOrder == zOrder) return;
    m_zOrder = zOrder;
    requestRepaint();
}

void TCustomChartSeries::SetDepth(int depth) {
    if (m_depth == depth) return;
    m_depth = depth;
    requestRepaint();
}

void TCustomChartSeries::setDepthLayout(int slot, int startZ, int endZ) {
    m_depthSlot = slot;
    m_startZ = startZ;
    m_endZ = endZ;
    m_middleZ = (startZ + endZ) / 2;
}
