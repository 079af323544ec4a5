#pragma once

#include "constructionplan.h"
#include "lengthunits.h"
#include "sketchview.h"

#include <memory>

// The side panels nested on their plywood sheets, in a grid: each sheet with
// its number and its sides' lengths, each part with its curve and its size,
// in the unit.
Sketch sheetSketch(const ConstructionPlan& plan, LengthUnit unit = LengthUnit::Millimetres);

class SheetDrawing : public SketchView {
    Q_OBJECT
public:
    explicit SheetDrawing(QWidget* parent = nullptr);

    // None: nothing drawn.
    void setPlan(std::shared_ptr<const ConstructionPlan> plan,
                 LengthUnit unit = LengthUnit::Millimetres);
    QSize sizeHint() const override { return QSize(640, 400); }
};
