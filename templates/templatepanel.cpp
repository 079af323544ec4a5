#include "templatepanel.h"

#include "constructionwords.h"

QString TemplatePanel::name() const {
    return capitalized(curvesName(*this));
}

QString TemplatePanel::countText() const {
    return panelsToCutText(*this);
}

std::vector<TemplatePanel> templatePanels(const ConstructionPlan& plan) {
    std::vector<TemplatePanel> panels;
    for (const DistinctPanel& p : plan.panels)
        panels.push_back({p, !p.bothCurves() && p.curve == rightCurve});
    return panels;
}
