#include "distinctpanels.h"

namespace {
// A panel's shape follows from its curve's design values and the settings,
// which both curves share.
bool sameShape(const CurvePlan& a, const CurvePlan& b) {
    return a.deck == b.deck && a.radius == b.radius && a.height == b.height && a.back == b.back;
}
} // namespace

std::vector<DistinctPanel> distinctPanels(const ConstructionPlan& plan) {
    // A curve without height has no side panel.
    const auto built = [&](int curve) -> const CurvePlan* {
        const auto& c = plan.curves[curve];
        return c && c->panelCount > 0 ? &*c : nullptr;
    };
    const CurvePlan* left = built(leftCurve);
    const CurvePlan* right = built(rightCurve);
    std::vector<DistinctPanel> panels;
    if (left && right && sameShape(*left, *right)) {
        panels.push_back({leftCurve, left->panelCount + right->panelCount,
                          QStringLiteral("Flancs gauche et droit")});
        return panels;
    }
    if (left) panels.push_back({leftCurve, left->panelCount, QStringLiteral("Flanc gauche")});
    if (right) panels.push_back({rightCurve, right->panelCount, QStringLiteral("Flanc droit")});
    return panels;
}
