#pragma once

#include "quarvelerror.h"

// A refused axis setting (the chart's own messages are in English).
class AxisException : public QuarvelError {
public:
    using QuarvelError::QuarvelError;
};
