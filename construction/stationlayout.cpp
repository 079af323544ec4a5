#include "stationlayout.h"

#include <algorithm>
#include <cmath>

namespace {

// Rounding room: a seam exactly at an end, a gap exactly the largest allowed.
constexpr double slack = 1e-9;

struct Candidate {
    Station station;
    bool seam = false;
    bool fixed = false;  // may not move
    int upperLayer = 99; // the highest layer among its seams
};

// Two candidates closer than a timber's width become one.
void merge(Candidate& kept, const Candidate& next) {
    const bool nextWins =
        !kept.fixed &&
        (next.fixed || (next.seam && (!kept.seam || next.upperLayer < kept.upperLayer)));
    const unsigned layers = kept.station.seamLayers | next.station.seamLayers;
    if (nextWins) {
        kept.station.position = next.station.position;
        kept.upperLayer = next.upperLayer;
        kept.fixed = next.fixed;
    } else if (!kept.seam && !next.seam && !kept.fixed) {
        // Two ends of a run shorter than two timbers: one, in its middle.
        kept.station.position = (kept.station.position + next.station.position) / 2;
    }
    kept.seam = kept.seam || next.seam;
    kept.upperLayer = std::min(kept.upperLayer, next.upperLayer);
    kept.station.seamLayers = layers;
}

} // namespace

std::vector<Station> placeStations(double low, double high, const std::vector<Seam>& seams,
                                   double width, double maxGap, bool fixedHigh, bool fixedLow) {
    std::vector<Candidate> candidates{{{low, 0}, false, fixedLow}, {{high, 0}, false, fixedHigh}};
    for (const Seam& s : seams)
        if (s.position >= low - slack && s.position <= high + slack)
            candidates.push_back({{s.position, 1u << s.layer}, true, false, s.layer});
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) {
                         return a.station.position < b.station.position;
                     });

    std::vector<Candidate> kept;
    for (const Candidate& c : candidates) {
        // Two fixed ends (rims) both stay, however close.
        if (kept.empty() || c.station.position - kept.back().station.position >= width ||
            (c.fixed && kept.back().fixed))
            kept.push_back(c);
        else
            merge(kept.back(), c);
    }

    std::vector<Station> stations;
    for (const Candidate& c : kept) {
        if (!stations.empty()) {
            const double from = stations.back().position;
            const double gap = c.station.position - from;
            if (gap > maxGap + slack) {
                const int parts = int(std::ceil(gap / maxGap - slack));
                for (int i = 1; i < parts; ++i)
                    stations.push_back({from + gap * i / parts, 0});
            }
        }
        stations.push_back(c.station);
    }
    return stations;
}

std::vector<double> stationPositions(const std::vector<Station>& stations) {
    std::vector<double> positions;
    positions.reserve(stations.size());
    for (const Station& s : stations)
        positions.push_back(s.position);
    return positions;
}

std::vector<Station> doubleSeamStations(const std::vector<Station>& stations, double thickness) {
    std::vector<Station> joists;
    for (const Station& s : stations) {
        if (s.seamLayers == 0) {
            joists.push_back(s);
            continue;
        }
        joists.push_back({s.position - thickness / 2, s.seamLayers});
        joists.push_back({s.position + thickness / 2, s.seamLayers});
    }
    return joists;
}
