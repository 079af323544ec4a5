#pragma once

#include "cutlist.h"

#include <vector>

// The cut list's rows for the frames under the decks.
void addDeckFrameRows(const ConstructionPlan& plan, std::vector<CutListRow>& rows);

// One row per fastener item and size: the exact count, what to buy in the remark.
void addFastenerRows(const ConstructionPlan& plan, std::vector<CutListRow>& rows);

// One row per timber section and stock length: the boards to buy, how each is
// cut (its pieces and offcut) in the remark, the section's total on its first.
void addBoardRows(const ConstructionPlan& plan, std::vector<CutListRow>& rows);

// A fastener's name for people, with its size: "Vis de surface 4,5 × 45".
QString fastenerName(const FastenerCount& fastener);

// "en 2 morceaux de 2700 mm joints à 2700 mm du bout" for a stringer cut in
// pieces; empty for a whole one.
QString stringerJointsRemark(const Stringers& stringers);
