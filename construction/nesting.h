#pragma once

#include "constructionplan.h"
#include "outline.h"

#include <vector>

// Side panels on plywood sheets.

// count copies of one part (a whole panel, or one piece of a split panel).
struct NestItem {
    int curve = leftCurve;
    int piece = 0;
    Outline outline; // its own (panel) coordinates
    int count = 0;
    PlacedPartKind part = PlacedPartKind::panel; // a splice plate's index is its piece
};

// More than this many parts in all is refused.
constexpr long long maxNestedParts = 100000;

// Places every copy on sheets of sheetLong x sheetShort (long side along x):
// parts at least kerf apart and at least kerf inside the sheet's edges, a
// part turned 90, 180 or 270 degrees or mirrored where that helps (a quarter
// turn only where it saves sheets). Never more sheets than
// the parts' bounding boxes in rows would take; two parts on one sheet
// whenever a head-to-tail or stacked pair fits. Every item must fit a sheet
// on its own (the caller splits larger panels first). Throws QuarvelError
// beyond maxNestedParts.
std::vector<SheetLayout> nestParts(const std::vector<NestItem>& items, double sheetLong,
                                   double sheetShort, double kerf);
