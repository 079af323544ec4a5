#include "templatepanel.h"

#include <cmath>

namespace {

// Equal to the micrometre: both curves come from the same formulas, so equal
// designs give equal numbers.
bool near(double a, double b) {
    return std::abs(a - b) < 1e-6;
}

bool near(QPointF a, QPointF b) {
    return near(a.x(), b.x()) && near(a.y(), b.y());
}

} // namespace

QString TemplatePanel::name() const {
    if (bothCurves) return QStringLiteral("Courbes gauche et droite ×2");
    return curve == leftCurve ? QStringLiteral("Courbe gauche") : QStringLiteral("Courbe droite");
}

QString TemplatePanel::countText() const {
    QString text = count == 1 ? QStringLiteral("1 flanc à découper")
                              : QStringLiteral("%1 flancs à découper").arg(count);
    if (bothCurves) text += QStringLiteral(" (%1 par courbe)").arg(count / 2);
    return text;
}

bool samePanel(const CurvePlan& a, const CurvePlan& b) {
    if (a.outline.size() != b.outline.size()) return false;
    for (size_t i = 0; i < a.outline.size(); ++i) {
        const Segment& s = a.outline[i];
        const Segment& t = b.outline[i];
        if (s.kind != t.kind || !near(s.from, t.from) || !near(s.to, t.to)) return false;
        if (s.kind == Segment::Kind::Arc &&
            (!near(s.centre, t.centre) || !near(s.radius, t.radius)))
            return false;
    }
    if (a.pipe.has_value() != b.pipe.has_value()) return false;
    return !a.pipe || near(*a.pipe, *b.pipe);
}

std::vector<TemplatePanel> templatePanels(const ConstructionPlan& plan) {
    const auto& left = plan.curves[leftCurve];
    const auto& right = plan.curves[rightCurve];
    if (left && right && samePanel(*left, *right))
        return {{leftCurve, true, false, left->panelCount + right->panelCount}};
    std::vector<TemplatePanel> panels;
    if (left) panels.push_back({leftCurve, false, false, left->panelCount});
    if (right) panels.push_back({rightCurve, false, true, right->panelCount});
    return panels;
}
