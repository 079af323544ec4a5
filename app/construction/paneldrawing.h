#pragma once

#include "constructionplan.h"
#include "lengthunits.h"
#include "sketchview.h"

#include <memory>
#include <QStringList>

// The caption over each distinct panel: "Courbe gauche : 5 à découper".
QStringList panelCaptions(const ConstructionPlan& plan);

// The distinct side panels side by side: outline, rib sections at their
// stations, the cuts of a split panel, the pivot's height (straight above
// the toe) and each panel's length and height, in the unit.
Sketch panelSketch(const ConstructionPlan& plan, LengthUnit unit = LengthUnit::Millimetres);

class PanelDrawing : public SketchView {
    Q_OBJECT
public:
    explicit PanelDrawing(QWidget* parent = nullptr);

    // None: nothing drawn.
    void setPlan(std::shared_ptr<const ConstructionPlan> plan,
                 LengthUnit unit = LengthUnit::Millimetres);
    QSize sizeHint() const override { return QSize(640, 300); }
};
