#pragma once

#include "constructionplan.h"
#include "sketchview.h"

#include <memory>

// The side panels nested on their plywood sheets, in a grid: each sheet with
// its number and its sides' lengths, each part with its curve and its size.
Sketch sheetSketch(const ConstructionPlan& plan);

class SheetDrawing : public SketchView {
    Q_OBJECT
public:
    explicit SheetDrawing(QWidget* parent = nullptr);

    void setPlan(std::shared_ptr<const ConstructionPlan> plan); // none: nothing drawn
    QSize sizeHint() const override { return QSize(640, 400); }
};
