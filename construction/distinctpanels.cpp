#include "distinctpanels.h"

#include <algorithm>
#include <cmath>

namespace {

// Lengths are kept to the tenth of a millimetre, as the builder measures and
// the files write them.
long long tenths(double mm) {
    return std::llround(mm * 10);
}

bool sameLength(double a, double b) {
    return tenths(a) == tenths(b);
}

bool samePoint(QPointF a, QPointF b) {
    return sameLength(a.x(), b.x()) && sameLength(a.y(), b.y());
}

bool sameSegment(const Segment& a, const Segment& b) {
    if (a.kind != b.kind || !samePoint(a.from, b.from) || !samePoint(a.to, b.to)) return false;
    return a.kind == Segment::Kind::Line ||
           (samePoint(a.centre, b.centre) && sameLength(a.radius, b.radius) &&
            (a.sweep < 0) == (b.sweep < 0));
}

bool sameOutline(const Outline& a, const Outline& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), sameSegment);
}

bool sameSplit(const PanelSplit& a, const PanelSplit& b) {
    return a.kind == b.kind && sameLength(a.station, b.station) && sameLength(a.at, b.at) &&
           samePoint(a.from, b.from) && samePoint(a.to, b.to);
}

bool samePlate(const PanelSplice& a, const PanelSplice& b) {
    return a.split == b.split && sameOutline(a.outline, b.outline);
}

} // namespace

bool samePanel(const CurvePlan& a, const CurvePlan& b) {
    return sameOutline(a.outline, b.outline) &&
           std::equal(a.stations.begin(), a.stations.end(), b.stations.begin(), b.stations.end(),
                      sameLength) &&
           std::equal(a.splits.begin(), a.splits.end(), b.splits.begin(), b.splits.end(),
                      sameSplit) &&
           std::equal(a.splicePlates.begin(), a.splicePlates.end(), b.splicePlates.begin(),
                      b.splicePlates.end(), samePlate);
}

std::vector<DistinctPanel> distinctPanels(const std::array<std::optional<CurvePlan>, 2>& curves) {
    const auto& left = curves[leftCurve];
    const auto& right = curves[rightCurve];
    if (left && right && samePanel(*left, *right))
        return {{leftCurve, {left->panelCount, right->panelCount}}};
    std::vector<DistinctPanel> panels;
    if (left) panels.push_back({leftCurve, {left->panelCount, 0}});
    if (right) panels.push_back({rightCurve, {0, right->panelCount}});
    return panels;
}

const DistinctPanel* distinctPanelOf(const ConstructionPlan& plan, int curve) {
    for (const DistinctPanel& panel : plan.panels)
        if (panel.counts[std::size_t(curve)] > 0) return &panel;
    return nullptr;
}
