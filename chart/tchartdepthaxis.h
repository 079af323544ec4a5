#pragma once

#include "tchartaxis.h"

// The axis across the depth of the 3D box; hidden, and spanning the total
// depth rather than a side of the plot rectangle.
class TChartDepthAxis : public TChartAxis {
public:
    explicit TChartDepthAxis(ChartRepaintRequester* requester = nullptr);

    bool IsDepthAxis() const override { return true; }
    void calcPixelSpan(const ChartRect& plotRect) override;
    void setTotalDepth(int totalDepth) { m_totalDepth = totalDepth; }

private:
    int m_totalDepth = 0;
};
