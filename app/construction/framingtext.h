#pragma once

#include "constructionplan.h"
#include "lengthunits.h"

#include <QStringList>

// The framing in plain words, one paragraph per part of the frame: how many
// pieces, where each stands (in the unit) and what its position is measured
// from.
QStringList framingParagraphs(const ConstructionPlan& plan,
                              LengthUnit unit = LengthUnit::Millimetres);
