#include "tcustomseries.h"

#include "tchartaxis.h"
#include "tcolorpalette.h"
#include "tzelcanvas3d.h"

#include <algorithm>
#include <cmath>

TCustomSeries::TCustomSeries()
    : m_linePen(clBlack, 1, psSolid, true)
    , m_brush(clDefault, bsSolid) {}

void TCustomSeries::SetDark3D(bool dark3D) {
    if (m_dark3D == dark3D) return;
    m_dark3D = dark3D;
    requestRepaint();
}

void TCustomSeries::setDrawingRepaintRequester(ChartRepaintRequester* requester) {
    m_linePen.setRepaintRequester(requester);
    m_brush.setRepaintRequester(requester);
}

TColor TCustomSeries::ApplyDark(TColor colour, int quantity, const QPalette& palette) {
    if (isSystemColor(colour)) {
        const QColor c = toQColor(colour, palette);
        colour = rgbColor(c.red(), c.green(), c.blue());
    }
    auto darker = [quantity](int channel) { return channel > quantity ? channel - quantity : 0; };
    return rgbColor(darker(redOf(colour)), darker(greenOf(colour)), darker(blueOf(colour)));
}

std::optional<std::pair<int, int>>
TCustomSeries::visibleRange(const SeriesPaintContext& context) const {
    const int count = PointCount();
    if (count == 0) return std::nullopt;
    const TChartAxis& axis = *context.horizAxis;
    const ChartRect& r = context.plotRect;
    const double low = axis.PixelToValue(axis.Inverted() ? r.right : r.left);
    const double high = axis.PixelToValue(axis.Inverted() ? r.left : r.right);
    // The x values are kept ascending: both ends are found by bisection.
    const double* xs = XValues().data();
    const int first = int(std::lower_bound(xs, xs + count, low) - xs);
    if (first == count) return std::nullopt;
    int last = count - 1;
    // A point just beyond the edge still belongs, so that the line reaches it.
    if (xs[count - 1] > high) last = int(std::lower_bound(xs + first, xs + count, high) - xs);
    return std::make_pair(first, last);
}

void TCustomSeries::DrawAllValues(TZelCanvas3D& canvas, const SeriesPaintContext& context) {
    const auto range = visibleRange(context);
    if (!range) return;
    const ChartRect& r = context.plotRect;
    if (context.clipPoints)
        canvas.ClipBox(r.left, r.top, r.right, r.bottom + 1, 0, context.totalDepth);
    m_previousColor = clBlack;
    for (int i = range->first; i <= range->second; ++i)
        drawPoint(canvas, context, i, range->first);
    if (context.clipPoints) canvas.Unclip();
}

void TCustomSeries::drawPoint(TZelCanvas3D& canvas, const SeriesPaintContext& context, int index,
                              int first) {
    const TChartAxis& horizontalAxis = *context.horizAxis;
    const double* xs = XValues().data();
    const double* ys = YValues().data();
    const QPoint point(horizontalAxis.ValueToPixel(xs[index]),
                       context.vertAxis->ValueToPixel(ys[index]));
    const TColor colour = PointColor(index);

    canvas.SetPenColor(clBlack);
    canvas.SetBrushColor(colour);
    if (m_previousColor == clNone) m_previous = point; // a line never starts at a null point

    if (index == first) {
        if (m_dark3D)
            m_darkSlope = context.seriesDepth != 0
                              ? std::fabs(double(context.seriesDepthRise) / context.seriesDepth)
                              : 1.0;
        if (index > 0) {
            // Points lie left of the plot: start at its edge, at the height
            // the line through the two points has there.
            const ChartRect& r = context.plotRect;
            const int edge = horizontalAxis.Inverted() ? r.right : r.left;
            const double x = horizontalAxis.PixelToValue(edge);
            const double x0 = xs[index - 1];
            const double y0 = ys[index - 1];
            const double y =
                xs[index] == x0 ? y0 : y0 + (ys[index] - y0) * (x - x0) / (xs[index] - x0);
            m_previous = QPoint(edge, context.vertAxis->ValueToPixel(y));
            if (PointColor(index - 1) != clNone) drawSegment(canvas, context, point, colour);
        }
    } else {
        drawSegment(canvas, context, point, colour);
    }
    m_previous = point;
    m_previousColor = colour;
}

void TCustomSeries::drawSegment(TZelCanvas3D& canvas, const SeriesPaintContext& context, QPoint to,
                                TColor colour) {
    const QPoint from = m_previous;
    if (to == from || colour == clNone) return;
    if (PaintObserver* observer = canvas.paintObserver()) observer->segmentDrawn();
    if (!context.view3D) {
        canvas.SetBrushStyle(bsClear);
        if (!m_linePen.Visible()) return;
        canvas.AssignPen(m_linePen, colour);
        canvas.Line(from.x(), from.y(), to.x(), to.y());
        return;
    }
    canvas.AssignPen(m_linePen, m_linePen.Color());
    TColor fill = colour;
    // Screen y grows downward: a face rising faster than the depth slope is
    // seen from below.
    if (m_dark3D && to.x() != from.x() && m_darkSlope != 0 &&
        double(from.y() - to.y()) / double(to.x() - from.x()) > m_darkSlope)
        fill = ApplyDark(colour, DarkerBy, canvas.palette());
    canvas.SetBrushColor(fill);
    canvas.SetBrushStyle(m_brush.Style());
    canvas.SetBrushImage(m_brush.Image());
    canvas.PlaneBetween(to, from, StartZ(), EndZ());
    canvas.SetBrushColor(colour);
}
