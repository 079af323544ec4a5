#pragma once

#include "tchartpen.h"

// Grid lines: gray (128, 128, 128), dotted.
class TDottedGrayPen : public TChartPen {
public:
    TDottedGrayPen()
        : TChartPen(clGray, 1, psDot) {}
};
