#pragma once

#include "chartrect.h"

#include <QPoint>
#include <Qt>

class SavedAxesState;
class TChartAxes;
class TZelZoom;

enum TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };

// Mouse zoom, pan and wheel, as changes to the axis ranges. The widget passes
// the events' pixel positions with the current axes, zoom settings, saved
// state and PlotRect; it repaints when a call says so and draws the zoom
// rectangle from the TZelZoom state.
class ChartNavigator {
public:
    struct Context {
        TChartAxes& axes;
        TZelZoom& zoom;
        SavedAxesState& saved;
        ChartRect plotRect;
        TPanningMode allowPanning = pmBoth;
        Qt::MouseButton scrollMouseButton = Qt::RightButton;
    };

    enum Outcome {
        Nothing = 0,
        ZoomStarted = 1, // a zoom rectangle is being dragged
        ZoomTracked = 2, // its corner moved: erase the old outline, draw the new
        ZoomEnded = 4,   // it is gone: erase its outline
        PanStarted = 8,
        PanEnded = 16,
        RepaintNeeded = 32, // axis ranges changed
    };

    static constexpr int WheelStepPercent = 3;
    static constexpr int WheelDeltaPerNotch = 120;

    int mousePress(Context& context, Qt::MouseButton button, QPoint position);
    int mouseMove(Context& context, QPoint position);
    int mouseRelease(Context& context, Qt::MouseButton button, QPoint position);
    // angleDelta in eighths of a degree (120 per notch); positive is upward.
    // Partial notches add up until they make a whole one.
    int wheel(Context& context, int angleDelta);

    bool panning() const { return m_panning; }

private:
    bool startsNavigation(Context& context, QPoint position) const;
    bool applyZoom(Context& context);

    bool m_panning = false;
    QPoint m_panFrom;
    int m_wheelRemainder = 0;
};
