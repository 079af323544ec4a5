#pragma once

#include <vector>

// One piece of a page's flow that is never split: a line of a paragraph, a
// table row, a drawing with its caption. Heights in mm.
struct PageSlice {
    double height = 0;
    // Space above it, dropped at the top of a page.
    double spaceBefore = 0;
    // No page break between this slice and the next.
    bool glueToNext = false;
    // Starts a new page, unless the page is still empty.
    bool breakBefore = false;
    // The slice repeated above this one when it starts a page (a table's
    // heading row above a continuing row); -1: none.
    int header = -1;
};

struct SlicePlacement {
    int slice = 0;
    int page = 0;   // from 0
    double top = 0; // mm from the top of the page's body
};

// Lays the slices in order on pages whose body is bodyHeight tall. Glued
// slices move to the next page together when they do not fit where they
// are but fit on an empty page; a glued run taller than a page breaks
// wherever a slice does not fit. A slice's header comes first wherever the
// slice starts a page, so a header may be placed several times. Throws
// QuarvelError when a slice (with its header) is taller than a page.
std::vector<SlicePlacement> paginate(const std::vector<PageSlice>& slices, double bodyHeight);
