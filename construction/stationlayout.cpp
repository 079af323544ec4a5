#include "stationlayout.h"

#include <algorithm>
#include <cmath>

namespace {

// Rounding room: a seam exactly at an end, a gap exactly the largest allowed.
constexpr double slack = 1e-9;

struct Station {
    double position = 0;
    bool seam = false;
};

} // namespace

std::vector<double> placeStations(double low, double high, const std::vector<double>& seams,
                                  double width, double maxGap) {
    std::vector<Station> candidates{{low, false}, {high, false}};
    for (double s : seams)
        if (s >= low - slack && s <= high + slack) candidates.push_back({s, true});
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Station& a, const Station& b) { return a.position < b.position; });

    std::vector<Station> kept;
    for (const Station& c : candidates) {
        if (kept.empty() || c.position - kept.back().position >= width) {
            kept.push_back(c);
            continue;
        }
        Station& last = kept.back();
        if (c.seam == last.seam)
            last.position = (last.position + c.position) / 2;
        else if (c.seam)
            last = c;
    }

    std::vector<double> stations;
    for (const Station& s : kept) {
        if (!stations.empty()) {
            const double from = stations.back();
            const double gap = s.position - from;
            if (gap > maxGap + slack) {
                const int parts = int(std::ceil(gap / maxGap - slack));
                for (int i = 1; i < parts; ++i)
                    stations.push_back(from + gap * i / parts);
            }
        }
        stations.push_back(s.position);
    }
    return stations;
}
