#pragma once

#include "tcustomchartwall.h"

// A wall as the chart publishes it (the left wall and the floor).
class TChartWall : public TCustomChartWall {
public:
    using TCustomChartWall::TCustomChartWall;
};
