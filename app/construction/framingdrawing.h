#pragma once

#include "lengthunits.h"
#include "rampmodel.h"
#include "sketchview.h"

// The frame seen from above, the surface off: every side panel's line, rib,
// joist, coping block, rim, stringer and leg where it stands, x along the
// ramp from the left deck's back end, across it the side nearest the
// profile's viewer at the bottom; the whole length and width measured in the
// unit.
Sketch framingSketch(const RampModel& model, LengthUnit unit = LengthUnit::Millimetres);

class FramingDrawing : public SketchView {
    Q_OBJECT
public:
    explicit FramingDrawing(QWidget* parent = nullptr);

    // None: nothing drawn.
    void setModel(const RampModel* model, LengthUnit unit = LengthUnit::Millimetres);
};
