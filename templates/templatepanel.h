#pragma once

#include "constructionplan.h"

#include <QString>
#include <vector>

// One template for each of the plan's distinct panels.
struct TemplatePanel : DistinctPanel {
    // A right panel is drawn as it stands seen from the same side as the
    // left one: its toe to the left.
    bool mirrored = false;

    // "Courbe gauche", "Courbe droite", "Courbes gauche et droite".
    QString name() const;
    // "10 flancs à découper : courbes gauche et droite".
    QString countText() const;
};

// The plan's distinct panels as templates, left first.
std::vector<TemplatePanel> templatePanels(const ConstructionPlan& plan);
