#pragma once

#include "cutlist.h"

#include <vector>

// The cut list's rows for the frames under the decks.
void addDeckFrameRows(const ConstructionPlan& plan, std::vector<CutListRow>& rows,
                      LengthUnit unit = LengthUnit::Millimetres);

// What to buy, one row per line of the priced shopping list: sheets by
// thickness (what they are for in the remark), boards by section and stock
// length in the unit (how each is cut), pipes, fasteners (how many are set).
void addShoppingRows(const ConstructionPlan& plan, const PlanCost& cost,
                     std::vector<CutListRow>& rows, LengthUnit unit = LengthUnit::Millimetres);

// A fastener's name for people, with its size: "Vis de surface 4,5 × 45".
QString fastenerName(const FastenerCount& fastener);

// "chacun en 2 morceaux joints à 2700 mm du bout" for a stringer cut in
// pieces, in the unit; empty for a whole one.
QString stringerJointsRemark(const Stringers& stringers, LengthUnit unit = LengthUnit::Millimetres);
