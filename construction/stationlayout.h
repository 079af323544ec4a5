#pragma once

#include <vector>

// Centres of the timbers under a run (ribs along a frame curve, joists along a
// deck or the flat), from 0 at its start: one at low and one at high (the
// fixed ends), one under every seam within [low, high], two closer than width
// merged into one (a seam's position wins over a fixed end; two seams share a
// timber centred between them, so both lie on its face), then gaps wider than
// maxGap filled with evenly spaced ones. Sorted.
std::vector<double> placeStations(double low, double high, const std::vector<double>& seams,
                                  double width, double maxGap);
