#pragma once

#include <vector>

// A surface seam over a run, and the layer it belongs to (0 at the top).
struct Seam {
    double position = 0;
    int layer = 0;
};

// A timber's centre along a run, with the layers whose seams it carries (bit
// i set: a seam of layer i lies on it).
struct Station {
    double position = 0;
    unsigned seamLayers = 0;
};

// Centres of the timbers under a run (ribs along a frame curve, joists along a
// deck or the flat), from 0 at its start: one at low and one at high (the
// fixed ends), one under every seam within [low, high], two closer than width
// merged into one (a seam's position wins over a fixed end; of two seams the
// upper layer's; the merged station carries both seams), then gaps wider than
// maxGap filled with evenly spaced ones. Sorted. With fixedHigh the end at
// high never moves (the coping block, right behind the pipe); with fixedLow
// neither does the end at low (a rim).
std::vector<Station> placeStations(double low, double high, const std::vector<Seam>& seams,
                                   double width, double maxGap, bool fixedHigh = false,
                                   bool fixedLow = false);

// The positions alone.
std::vector<double> stationPositions(const std::vector<Station>& stations);

// The flat's joists: stations placed as above with the timber's thickness e as
// width, then each seam's station made two joists side by side, centred e/2
// either side of it, so that each sheet edge bears on a whole joist.
std::vector<Station> doubleSeamStations(const std::vector<Station>& stations, double thickness);
