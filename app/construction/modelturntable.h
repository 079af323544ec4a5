#pragma once

#include "modelprojection.h"

#include <QPointF>

// How the user looks at the model in the window: the angles and the
// magnification, turned by dragging, zoomed by the wheel, reset by a double
// click. Each change says whether anything changed, so that the view redraws
// only then.
class ModelTurntable {
public:
    static constexpr double degreesPerPixel = 0.4;
    static constexpr double zoomPerNotch = 1.15;
    static constexpr double smallestZoom = 0.5;
    static constexpr double largestZoom = 8;
    static constexpr double steepestPitch = 90;

    ViewAngles angles() const { return m_angles; }
    double zoom() const { return m_zoom; }

    // Dragging right swings the ramp round to the right, dragging down tips
    // its near side down (the eye rises).
    bool turnBy(QPointF pixels);
    // Wheel notches: positive magnifies.
    bool zoomBy(double notches);
    // Back to the isometric view, the whole model in sight.
    bool reset();

private:
    ViewAngles m_angles = viewAngles(ModelView::Isometric);
    double m_zoom = 1;
};
