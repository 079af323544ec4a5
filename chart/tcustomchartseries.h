#pragma once

#include "tcustomchartelement.h"

// The layout side of a series: which depth slot it takes and how deep it is.
class TCustomChartSeries : public TCustomChartElement {
public:
    static constexpr int AutomaticZOrder = -1;
    static constexpr int AutomaticDepth = -1;

    int ZOrder() const { return m_zOrder; }
    void SetZOrder(int zOrder);
    int Depth() const { return m_depth; }
    void SetDepth(int depth);

    // Whether the series is drawn against axes (walls are drawn for such series).
    virtual bool UsesAxes() const { return true; }

    // Set by the chart's layout at each paint.
    int effectiveZOrder() const { return m_effectiveZOrder; }
    int depthSlot() const { return m_depthSlot; }
    int StartZ() const { return m_startZ; }
    int EndZ() const { return m_endZ; }
    int MiddleZ() const { return m_middleZ; }
    void setEffectiveZOrder(int zOrder) { m_effectiveZOrder = zOrder; }
    void setDepthLayout(int slot, int startZ, int endZ);

private:
    int m_zOrder = AutomaticZOrder;
    int m_depth = AutomaticDepth;
    int m_effectiveZOrder = 0;
    int m_depthSlot = 0;
    int m_startZ = 0;
    int m_endZ = 0;
    int m_middleZ = 0;
};
