#pragma once

#include "axisdrawplan.h"
#include "chartrect.h"

class TChartAxis;
class TZelCanvas3D;

// Draws one axis from its plan, in this order: labels, axis line, ticks,
// grid, inner ticks, minor ticks, minor grid. The line sits just outside the
// plot edge, the ticks just beyond it and the labels beyond the ticks, in the
// space the axis took from the plot rectangle. In 3D, line and ticks lie in
// the front plane and a grid line runs across the wall or floor next to the
// axis and then over the back wall.
class AxisPainter {
public:
    struct Geometry {
        ChartRect plotRect;
        int totalDepth = 0;
        bool view3D = true;
    };

    static void draw(TZelCanvas3D& canvas, const TChartAxis& axis, const AxisDrawPlan& plan,
                     const Geometry& geometry);

private:
    static void drawLabels(TZelCanvas3D& canvas, const TChartAxis& axis, const AxisDrawPlan& plan);
    static void drawTicks(TZelCanvas3D& canvas, const TChartAxis& axis, const QList<int>& at,
                          int from, int length);
    static void drawGrid(TZelCanvas3D& canvas, const TChartAxis& axis, const QList<int>& at,
                         const Geometry& geometry);
};
