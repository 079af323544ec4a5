#pragma once

#include "outline.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>

// Maps drawing coordinates (millimetres, v up) onto a widget area (pixels, y
// down) at one scale for both axes, the drawing centred in the area.
class DrawingScale {
public:
    DrawingScale(const QRectF& world, const QRectF& target);

    double pixelsPerMillimetre() const { return m_factor; }
    QPointF map(QPointF p) const;
    QRectF map(const QRectF& r) const;
    // Magnified times about a pixel, which keeps its drawing point.
    DrawingScale zoomedAt(QPointF pixel, double times) const;
    // Moved by pixels on screen.
    DrawingScale panned(QPointF pixels) const;

private:
    DrawingScale() = default;

    double m_factor = 0;
    QPointF m_origin; // where world (0, 0) lands
};

// The columns of a grid of equal sheets that shows them largest in an area:
// count sheets of sheet (width x height, mm) with gap (mm) between them.
int bestGridColumns(int count, QSizeF sheet, double gap, QSizeF area);
