#pragma once

#include "constructionplan.h"
#include "sketchview.h"

#include <memory>
#include <QStringList>

// The caption over each distinct panel: "Courbe gauche : 5 à découper".
QStringList panelCaptions(const ConstructionPlan& plan);

// The distinct side panels side by side: outline, rib sections at their
// stations, the cuts of a split panel, the pivot's height (straight above
// the toe) and each panel's length and height.
Sketch panelSketch(const ConstructionPlan& plan);

class PanelDrawing : public SketchView {
    Q_OBJECT
public:
    explicit PanelDrawing(QWidget* parent = nullptr);

    void setPlan(std::shared_ptr<const ConstructionPlan> plan); // none: nothing drawn
    QSize sizeHint() const override { return QSize(640, 300); }
};
