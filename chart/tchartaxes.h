#pragma once

#include "tchartaxis.h"
#include "tchartdepthaxis.h"

#include <array>

class ChartRepaintRequester;

// The chart's five axes, in this order: bottom, top, left, right, depth.
class TChartAxes {
public:
    static constexpr int Count = 5;

    explicit TChartAxes(ChartRepaintRequester* requester = nullptr);

    TChartAxis* Bottom() { return &m_bottom; }
    TChartAxis* Top() { return &m_top; }
    TChartAxis* Left() { return &m_left; }
    TChartAxis* Right() { return &m_right; }
    TChartDepthAxis* Depth() { return &m_depth; }
    const TChartAxis* Bottom() const { return &m_bottom; }
    const TChartAxis* Top() const { return &m_top; }
    const TChartAxis* Left() const { return &m_left; }
    const TChartAxis* Right() const { return &m_right; }
    const TChartDepthAxis* Depth() const { return &m_depth; }

    TChartAxis* at(int index);
    const TChartAxis* at(int index) const;
    std::array<TChartAxis*, Count> all() {
        return {&m_bottom, &m_top, &m_left, &m_right, &m_depth};
    }
    // Bottom, top, left and right: the axes zoom and its undo act on.
    std::array<TChartAxis*, 4> sideAxes() { return {&m_bottom, &m_top, &m_left, &m_right}; }

    void setRepaintRequester(ChartRepaintRequester* requester);

private:
    TChartAxis m_bottom;
    TChartAxis m_top;
    TChartAxis m_left;
    TChartAxis m_right;
    TChartDepthAxis m_depth;
};
