#include "framelines.h"

#include <algorithm>
#include <cmath>

namespace {

// Rounding room for a setting exactly at its limit.
constexpr double slack = 1e-9;

} // namespace

PanelLines panelLines(double width, const ConstructionSettings& s) {
    const double span = width - s.panel;
    const int count = std::max(2, int(std::ceil(span / s.spacing - slack)) + 1);
    return {count, span / (count - 1)};
}

double onEdgeThickness(const ConstructionSettings& s) {
    return std::min(s.ribWidth, s.ribDepth);
}

double onEdgeDepth(const ConstructionSettings& s) {
    return std::max(s.ribWidth, s.ribDepth);
}

std::vector<std::pair<double, double>> stringerSpans(PanelLines lines, double width,
                                                     const ConstructionSettings& s) {
    const double e = onEdgeThickness(s);
    std::vector<std::pair<double, double>> spans;
    for (int i = 0; i < lines.count; ++i) {
        const double centre = i == 0                 ? e / 2
                              : i == lines.count - 1 ? width - e / 2
                                                     : s.panel / 2 + i * lines.pitch;
        spans.push_back({centre - e / 2, centre + e / 2});
    }
    return spans;
}

std::vector<double> stringerBays(PanelLines lines, double width, const ConstructionSettings& s) {
    const auto spans = stringerSpans(lines, width, s);
    std::vector<double> bays;
    for (std::size_t i = 0; i + 1 < spans.size(); ++i)
        bays.push_back(spans[i + 1].first - spans[i].second);
    return bays;
}

std::vector<LengthCount> lengthCounts(const std::vector<double>& lengths, int each) {
    std::vector<LengthCount> counts;
    for (double l : lengths) {
        auto same = std::find_if(counts.begin(), counts.end(), [l](const LengthCount& c) {
            return std::abs(c.length - l) < 0.05;
        });
        if (same == counts.end())
            counts.push_back({l, each});
        else
            same->count += each;
    }
    std::sort(counts.begin(), counts.end(),
              [](const LengthCount& a, const LengthCount& b) { return a.length > b.length; });
    return counts;
}

std::vector<double> stringerJoints(double length, const std::vector<double>& stock) {
    if (stock.empty()) return {};
    const double longest = *std::max_element(stock.begin(), stock.end());
    const int pieces = std::max(1, int(std::ceil(length / longest - slack)));
    std::vector<double> joints;
    for (int i = 1; i < pieces; ++i)
        joints.push_back(length * i / pieces);
    return joints;
}
