#include "axispainter.h"

#include "tchartaxis.h"
#include "tzelcanvas3d.h"

#include <algorithm>

namespace {

// +1 when the axis' outside lies toward growing coordinates (below a bottom
// axis, right of a right axis), -1 otherwise.
int outwardOf(const TChartAxis& axis) {
    return axis.Horizontal() ? (axis.OtherSide() ? -1 : 1) : (axis.OtherSide() ? 1 : -1);
}

int lineWidthOf(const TChartAxis& axis) {
    return axis.Axis().Visible() ? std::max(1, axis.Axis().Width()) : 0;
}

} // namespace

void AxisPainter::draw(TZelCanvas3D& canvas, const TChartAxis& axis, const AxisDrawPlan& plan,
                       const Geometry& geometry) {
    if (axis.Labels()) drawLabels(canvas, axis, plan);

    const int outward = outwardOf(axis);
    const int width = lineWidthOf(axis);
    const int pos = axis.PosAxis();
    if (width > 0) {
        canvas.AssignPen(axis.Axis(), axis.Axis().Color());
        // A wide pen grows toward growing coordinates from the given line.
        const int line = outward > 0 ? pos + 1 : pos - width;
        const int first = axis.spanStart();
        // The line ends on the plot's edge line; a vertical one reaches down
        // over the corner a bottom axis leaves, to that axis' last row. The
        // pen's square covers width - 1 pixels past the last point it is given.
        const int last = axis.spanEnd() + (axis.Horizontal() ? 0 : width) - (width - 1);
        if (axis.Horizontal())
            canvas.LineWithZ(first, line, last + 1, line, 0);
        else
            canvas.LineWithZ(line, first, line, last + 1, 0);
    }

    const int outside = pos + outward * (width > 0 ? width + 1 : 1);
    if (axis.Ticks().Visible() && axis.TickLength() > 0) {
        canvas.AssignPen(axis.Ticks(), axis.Ticks().Color());
        drawTicks(canvas, axis, plan.ticks, outside, outward * axis.TickLength());
    }
    if (axis.Grid().Visible()) {
        // A grid pen without a colour of its own draws gray.
        const TColor colour = axis.Grid().Color() == clDefault ? clGray : axis.Grid().Color();
        canvas.AssignPen(axis.Grid(), colour);
        drawGrid(canvas, axis, plan.grid, geometry);
    }
    if (axis.TicksInner().Visible() && axis.TickInnerLength() > 0) {
        canvas.AssignPen(axis.TicksInner(), axis.TicksInner().Color());
        drawTicks(canvas, axis, plan.ticks, pos - outward, -outward * axis.TickInnerLength());
    }
    if (axis.MinorTicks().Visible() && axis.MinorTickLength() > 0) {
        canvas.AssignPen(axis.MinorTicks(), axis.MinorTicks().Color());
        drawTicks(canvas, axis, plan.minorTicks, outside, outward * axis.MinorTickLength());
    }
    if (axis.MinorGrid().Visible()) {
        const TColor colour =
            axis.MinorGrid().Color() == clDefault ? clGray : axis.MinorGrid().Color();
        canvas.AssignPen(axis.MinorGrid(), colour);
        drawGrid(canvas, axis, plan.minorTicks, geometry);
    }
    canvas.SetBackMode(cbmOpaque);
}

void AxisPainter::drawLabels(TZelCanvas3D& canvas, const TChartAxis& axis,
                             const AxisDrawPlan& plan) {
    canvas.AssignFont(axis.LabelsFont());
    canvas.SetBackMode(cbmTransparent);
    const int at = axis.PosLabels();
    if (axis.Horizontal()) {
        canvas.SetTextAlign(ctaCenter | (axis.OtherSide() ? ctaBottom : ctaTop));
        for (const AxisLabel& label : plan.labels)
            canvas.TextOut(label.pixel, at, label.text);
    } else {
        canvas.SetTextAlign((axis.OtherSide() ? ctaLeft : ctaRight) | ctaTop);
        for (const AxisLabel& label : plan.labels) {
            const int half = canvas.TextHeight(label.text) / 2;
            canvas.TextOut(at, label.pixel - half, label.text);
        }
    }
    canvas.SetTextAlign(ctaLeft | ctaTop);
}

void AxisPainter::drawTicks(TZelCanvas3D& canvas, const TChartAxis& axis, const QList<int>& at,
                            int from, int length) {
    for (int p : at) {
        if (axis.Horizontal())
            canvas.LineWithZ(p, from, p, from + length, 0);
        else
            canvas.LineWithZ(from, p, from + length, p, 0);
    }
}

void AxisPainter::drawGrid(TZelCanvas3D& canvas, const TChartAxis& axis, const QList<int>& at,
                           const Geometry& g) {
    const ChartRect& r = g.plotRect;
    const int pos = axis.PosAxis();
    for (int p : at) {
        if (g.view3D) {
            // Across the floor or the side wall, then over the back wall.
            if (axis.Horizontal()) {
                canvas.ZLine(p, pos, 0, g.totalDepth);
                canvas.LineWithZ(p, r.top, p, r.bottom, g.totalDepth);
            } else {
                canvas.ZLine(pos, p, 0, g.totalDepth);
                canvas.LineWithZ(r.left, p, r.right, p, g.totalDepth);
            }
        } else if (axis.Horizontal()) {
            canvas.Line(p, r.top + 1, p, r.bottom);
        } else {
            canvas.Line(r.left + 1, p, r.right, p);
        }
    }
}
