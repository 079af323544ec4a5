#pragma once

#include "constructionplan.h"
#include "cutdrawing.h"
#include "lengthunits.h"

// Gap between the parts laid side by side, and between nested sheets.
constexpr double partGap = 20;
constexpr double sheetGap = 100;

// The side panels of a plan laid out for cutting.
//
// sheets false: each of the plan's distinct panels once, side by side
// partGap apart along x, bottoms on y = 0, the pieces of a split panel in
// order, then its splice plates; each labelled with its curves, its piece
// (or plate) and the count to cut, a panel with its rib stations and, on the
// piece holding the toe, how far the pivot stands above the toe.
//
// sheets true: the nested sheets, sheet k at x = k * (long side + sheetGap),
// each sheet's outline and its parts where the nesting placed them, labelled,
// with their rib stations. No pivot there: it lies off its panel, over the
// sheet or a neighbouring part, where a marking pass would scar wood.
//
// unit: the labels' lengths; the drawing is in millimetres whatever it is.
//
// Throws QuarvelError when the plan has no side panel to cut.
CutDrawing cutDrawing(const ConstructionPlan& plan, bool sheets,
                      LengthUnit unit = LengthUnit::Millimetres);
