#pragma once

#include "constructionplan.h"

#include <utility>
#include <vector>

// The lines across the width on which side panels, and the stringers of the
// flat and of the deck frames, stand: n_p of them, the outer two flush with
// the ramp's sides.
struct PanelLines {
    int count = 0;
    double pitch = 0; // centre to centre
};

PanelLines panelLines(double width, const ConstructionSettings& settings);

// The rib timber's smaller size: the thickness of a joist, block, rim or
// stringer set on edge; and its larger size, the height of one.
double onEdgeThickness(const ConstructionSettings& settings);
double onEdgeDepth(const ConstructionSettings& settings);

// Where each stringer stands across the width, from the side y = 0: the outer
// two flush with the sides, the others centred on their panel lines.
std::vector<std::pair<double, double>> stringerSpans(PanelLines lines, double width,
                                                     const ConstructionSettings& settings);

// The clear gaps between neighbouring stringers: a joist's length in each bay.
std::vector<double> stringerBays(PanelLines lines, double width,
                                 const ConstructionSettings& settings);

// Counts of each distinct length (to 0.1 mm), `each` of every one listed,
// longest first.
std::vector<LengthCount> lengthCounts(const std::vector<double>& lengths, int each);

// Where a stringer of this length is joined when it is longer than the
// longest stock length: cut into the fewest equal pieces; none otherwise.
std::vector<double> stringerJoints(double length, const std::vector<double>& stock);
