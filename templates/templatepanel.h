#pragma once

#include "constructionplan.h"

#include <QString>
#include <vector>

// One distinct side panel to print. Left and right curves of the same shape
// share one template, marked ×2.
struct TemplatePanel {
    int curve = leftCurve; // whose CurvePlan is drawn
    bool bothCurves = false;
    // A right panel is drawn as it stands seen from the same side as the
    // left one: its toe to the left.
    bool mirrored = false;
    int count = 0; // panels to cut from this template

    QString name() const;      // "Courbe gauche", "Courbe droite", "Courbes gauche et droite ×2"
    QString countText() const; // "10 flancs à découper (5 par courbe)"
};

// The distinct panels of a plan, left first; curves without a panel (H = 0)
// have none.
std::vector<TemplatePanel> templatePanels(const ConstructionPlan& plan);

// Whether two curves' panels have the same shape: outline and pipe. Their rib
// stations may differ (the surface seams fall differently on each curve);
// a shared template then marks both curves' stations.
bool samePanel(const CurvePlan& a, const CurvePlan& b);
