#pragma once

#include "constructionplan.h"

#include <vector>

// The sheet a part must fit, either way round: its inner size, kerf in from
// every edge.
struct SheetRoom {
    double longSide = 0;
    double shortSide = 0;
    bool fits(const QRectF& box) const;
};

// The greatest panel split into pieces rather than refused.
constexpr double largestPanelHeight = 6000;
constexpr double largestPanelLength = 12000;

struct PanelSplitting {
    std::vector<PanelSplit> splits;  // in the order they were made
    std::vector<PanelSplice> plates; // each split's (one, or lengths of a long one), from 0
};

// Splits a side panel that fits no sheet, with as few cuts as fit its
// pieces: first along the frame curve's normal at rib stations (horizontal on
// the wall edge), the stations chosen for the fewest pieces in all; then,
// where a piece is still too long, vertically at deckJoists (u of the deck
// joists' centres), from the back end; then, where a piece is still too tall,
// by horizontal lines from the bottom up. Every cut lies at least
// minimumCornerDistance from the corners of the piece it cuts. Fills
// curve.pieces (piece 0 holds the back end; the whole outline when no cut is
// needed). curve.stations must be set. Each joint gets its splice plate:
// spliceWidth wide on the panel's inner face, from spliceClearance inside
// the far edge to ribDepth + spliceClearance below the frame curve or the
// top edge, square to the joint there; spliceClearance short of an earlier
// joint's plate; in equal lengths where one would not fit a sheet. Throws
// QuarvelError "Flanc trop grand pour les feuilles" for a panel above
// largestPanelHeight or largestPanelLength, or one whose pieces still do not
// fit.
PanelSplitting splitPanel(CurvePlan& curve, int curveIndex, const std::vector<double>& deckJoists,
                          const SheetRoom& room, double ribDepth);

constexpr double minimumCornerDistance = 150;
constexpr double spliceWidth = 300;
// Room kept between a plate and the panel's edges, the timber and other plates.
constexpr double spliceClearance = 10;
