#include "templatepanel.h"

#include "constructionwords.h"

QString TemplatePanel::name() const {
    const QString curves = capitalized(curvesName(*this));
    return bothCurves() ? curves + QStringLiteral(" ×2") : curves;
}

QString TemplatePanel::countText() const {
    QString text = count() == 1 ? QStringLiteral("1 flanc à découper")
                                : QStringLiteral("%1 flancs à découper").arg(count());
    if (bothCurves()) text += QStringLiteral(" (%1 par courbe)").arg(counts[leftCurve]);
    return text;
}

std::vector<TemplatePanel> templatePanels(const ConstructionPlan& plan) {
    std::vector<TemplatePanel> panels;
    for (const DistinctPanel& p : plan.panels)
        panels.push_back({p, !p.bothCurves() && p.curve == rightCurve});
    return panels;
}
