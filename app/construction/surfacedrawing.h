#pragma once

#include "constructionplan.h"
#include "lengthunits.h"
#include "sketchview.h"

#include <memory>
#include <QString>

// The surface layer by layer, the top one at the top: each layer's runs end
// to end (left deck, lip to lip, right deck), every piece with its length in
// the unit.
Sketch surfaceSketch(const ConstructionPlan& plan, LengthUnit unit = LengthUnit::Millimetres);

// In plain words, which layer is the top one, which goes on first, and where
// seams are measured from.
QString surfaceOrderText(int layers);

class SurfaceDrawing : public SketchView {
    Q_OBJECT
public:
    explicit SurfaceDrawing(QWidget* parent = nullptr);

    // None: nothing drawn.
    void setPlan(std::shared_ptr<const ConstructionPlan> plan,
                 LengthUnit unit = LengthUnit::Millimetres);
};
