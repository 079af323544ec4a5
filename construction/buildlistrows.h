#pragma once

#include "cutlist.h"

#include <vector>

// The cut list's rows for the frames under the decks.
void addDeckFrameRows(const ConstructionPlan& plan, std::vector<CutListRow>& rows);

// "en 2 morceaux de 2700 mm joints à 2700 mm du bout" for a stringer cut in
// pieces; empty for a whole one.
QString stringerJointsRemark(const Stringers& stringers);
