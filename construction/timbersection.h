#pragma once

#include "lengthunits.h"

#include <QString>

// A timber section for people, in the order given: "89 × 38" in millimetres;
// in inches the North American nominal size when both sides lie within 1 mm of
// one, either way round ("2×4" for 89 × 38 and 88.9 × 38.1), else the dressed
// sizes ("1 1/2\" × 5\"").
QString timberSectionText(double first, double second, LengthUnit unit);
