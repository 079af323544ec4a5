#pragma once

#include "tcustomseries.h"

// The line series, as the chart publishes it.
class TLineSeries : public TCustomSeries {
public:
    TLineSeries() = default;
};
