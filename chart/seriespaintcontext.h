#pragma once

#include "chartrect.h"

class TChartAxis;

// What a series needs from the chart's layout to draw itself in one paint.
struct SeriesPaintContext {
    const TChartAxis* horizAxis = nullptr;
    const TChartAxis* vertAxis = nullptr;
    ChartRect plotRect;
    bool view3D = true;
    bool clipPoints = true;
    int seriesDepth = 0;
    int seriesDepthRise = 0;
    int totalDepth = 0;
};
