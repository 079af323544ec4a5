#pragma once

#include "tchartpen.h"

// The axis line: black, 2 pixels, solid.
class TChartAxisPen : public TChartPen {
public:
    TChartAxisPen()
        : TChartPen(clBlack, 2, psSolid) {}
};
