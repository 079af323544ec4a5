#pragma once

#include "constructionplan.h"

#include <array>
#include <optional>
#include <vector>

// Which side panels are the same panel. The cut list, the nesting, the
// templates, the cut files and the plan window all take the plan's one list
// (ConstructionPlan::panels), so they never disagree.

// Two curves' panels are the same panel when their outlines, rib stations,
// cuts and splice plates are all equal once rounded to 0.1 mm.
bool samePanel(const CurvePlan& a, const CurvePlan& b);

// The distinct panels of the curves that have one (H > 0), left first: one
// for both curves when they are the same panel.
std::vector<DistinctPanel> distinctPanels(const std::array<std::optional<CurvePlan>, 2>& curves);

// The distinct panel of the plan a curve's panels are cut to; none when the
// curve has no panel.
const DistinctPanel* distinctPanelOf(const ConstructionPlan& plan, int curve);
