#pragma once

#include "seriespaintcontext.h"
#include "tchartseries.h"

class TZelCanvas3D;

// A series the chart draws: the chart's paint calls DrawAllValues once per
// paint, with the layout of that paint.
class TCustomLineSeries : public TChartSeries {
public:
    virtual void DrawAllValues(TZelCanvas3D& canvas, const SeriesPaintContext& context) = 0;
};
