#pragma once

#include "tchartwall.h"

// The wall on the right of the box; hidden by default.
class TChartRightWall : public TChartWall {
public:
    TChartRightWall()
        : TChartWall(clSilver, false, false) {}
};
