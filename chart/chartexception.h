#pragma once

#include "quarvelerror.h"

// A refused chart setting (the chart's own messages are in English).
class ChartException : public QuarvelError {
public:
    using QuarvelError::QuarvelError;
};
