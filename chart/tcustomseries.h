#pragma once

#include "tchartaxis.h"
#include "tchartbrush.h"
#include "tchartpen.h"
#include "tcustomlineseries.h"

#include <QPalette>
#include <QPoint>

#include <optional>
#include <utility>

// A series drawn point to point in ascending x: in 3D each segment is a face
// from the front to the back of its depth slot (a hatched ribbon), faces
// rising more steeply than the depth is drawn being shaded darker; in 2D each
// segment is a line in the colour of its end point. Only the points within
// the horizontal axis range are visited, and segments that stay on one pixel
// are skipped.
class TCustomSeries : public TCustomLineSeries {
public:
    static constexpr int DarkerBy = 64;

    TCustomSeries();

    TChartPen& LinePen() { return m_linePen; }
    const TChartPen& LinePen() const { return m_linePen; }
    // The fill style of the faces: the same setting as Brush().Style().
    TBrushStyle LineBrush() const { return m_brush.Style(); }
    void SetLineBrush(TBrushStyle style) { m_brush.SetStyle(style); }
    TChartBrush& Brush() { return m_brush; }
    const TChartBrush& Brush() const { return m_brush; }
    bool Dark3D() const { return m_dark3D; }
    void SetDark3D(bool dark3D);
    // Lets the drawing settings ask the chart for a repaint as well.
    void setDrawingRepaintRequester(ChartRepaintRequester* requester);

    void DrawAllValues(TZelCanvas3D& canvas, const SeriesPaintContext& context) override;

    // First and last index to draw, or nothing when no point lies within the
    // horizontal axis range.
    std::optional<std::pair<int, int>> visibleRange(const SeriesPaintContext& context) const;

    // Each channel above quantity loses it, the others become 0; system
    // colours are taken from the palette first.
    static TColor ApplyDark(TColor colour, int quantity, const QPalette& palette = QPalette());

private:
    void drawPoint(TZelCanvas3D& canvas, const SeriesPaintContext& context, int index, int first);
    void drawSegment(TZelCanvas3D& canvas, const SeriesPaintContext& context, QPoint to,
                     TColor colour);

    TChartPen m_linePen;
    TChartBrush m_brush;
    bool m_dark3D = true;

    // Drawing state of one paint.
    QPoint m_previous;
    TColor m_previousColor = clBlack;
    double m_darkSlope = 1.0;
};
