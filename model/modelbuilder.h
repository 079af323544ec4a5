#pragma once

#include "constructionplan.h"
#include "rampmodel.h"

// Arcs are cut into chords that stay this close to them (mm).
constexpr double modelArcTolerance = 0.5;

// The model of the plan: every physical piece one part, named as in the cut
// list with its number, tagged with its kind and assembly step; identical
// pieces (the same shape, size and material) share one mesh.
RampModel buildRampModel(const ConstructionPlan& plan);
