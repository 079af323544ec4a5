#pragma once

#include "constructionplan.h"
#include "framelines.h"
#include "stationlayout.h"

#include <vector>

// The frames that hold what the side panels do not: the flat's and a low
// deck's ladder frames on the ground, and a deck frame on legs behind panels
// cut short of their deck. Lengths in mm.

// A ladder frame's joists on edge between its stringers, along a run of this
// length: at both ends (e/2 inside), under every seam, no farther apart than
// joistspacing; then each seam's station, and each stringer joint's, made
// two joists side by side, so that each sheet edge and each stringer piece's
// end bears on a whole joist. layerCount: the surface layers.
JoistPlan ladderJoists(double length, const std::vector<Seam>& seams,
                       const std::vector<double>& joints, int layerCount,
                       const std::vector<double>& bays, const ConstructionSettings& settings);

// A deck beside a curve of height 0: stringers on the panel lines, `flat`
// high, `deck` long, and the ladder's joists. seams: the deck's, from its
// back end.
DeckFrame groundDeckFrame(double deck, double width, const std::vector<Seam>& seams, int layerCount,
                          const ConstructionSettings& settings);

// The shortest frame on legs: two rims and a leg between them.
double shortestDeckFrame(const ConstructionSettings& settings);

// Each line's legs' centre across the ramp, from the side y = 0: the outer
// legs flush with the sides, the others centred on their panel lines.
std::vector<double> legCentres(const DeckLegs& legs, PanelLines lines, double width,
                               const ConstructionSettings& settings);

// Where the frame on legs meets the panels, and what stands on its site.
struct DeckFrameSite {
    double length = 0;  // P − back: from the deck's back end to the panels'
    double deckTop = 0; // v_d: the frame's top
    double width = 0;   // W
};

// A deck's frame on legs (site.length at least shortestDeckFrame): stringers
// on the panel lines, back and front rims, the deck joists between them
// (seams: every seam of the deck, from its back end; those over the frame
// count), the panels' back rim, legs with at most 1200 mm between centres
// (one under each stringer joint) and, on legs taller than 600 mm, braces.
DeckFrame legDeckFrame(const DeckFrameSite& site, const std::vector<Seam>& seams,
                       const ConstructionSettings& settings);

// The leg centres along a frame of this length, from its back end: flush with
// both ends, one under each joint, then evenly spaced so that no two
// neighbours are more than maxLegGap apart.
std::vector<double> legPositions(double length, double legSize, const std::vector<double>& joints);

constexpr double maxLegGap = 1200;
// Legs taller than this are braced.
constexpr double bracedLegHeight = 600;
