#pragma once

#include "constructionplan.h"

#include <vector>

// Splits a side panel whose bounding box does not fit a sheet (sheetLong -
// 2 kerf along u, sheetShort - 2 kerf along v) at its rib stations, with as
// few cuts as fit every piece: each cut runs from the frame curve along the
// normal through the station (toward the pivot's opposite side, horizontal
// on the wall edge) to the panel's far edge. curve.stations must be set.
// Fills curve.pieces (piece 0 holds the back end; the whole outline when no
// cut is needed) and returns the cuts from the back end toward the toe.
// Throws QuarvelError "Flanc trop grand pour les feuilles" when a piece
// between two neighbouring stations still does not fit.
std::vector<PanelSplit> splitPanel(CurvePlan& curve, int curveIndex, double sheetLong,
                                   double sheetShort, double kerf);
