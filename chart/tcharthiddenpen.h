#pragma once

#include "tchartpen.h"

// A pen that starts hidden (the minor grid).
class TChartHiddenPen : public TChartPen {
public:
    TChartHiddenPen()
        : TChartPen(clBlack, 1, psSolid, false) {}
};
