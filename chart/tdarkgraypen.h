#pragma once

#include "tchartpen.h"

// Ticks: gray (128, 128, 128), 1 pixel, solid.
class TDarkGrayPen : public TChartPen {
public:
    TDarkGrayPen()
        : TChartPen(clGray, 1, psSolid) {}
};
