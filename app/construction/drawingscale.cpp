#include "drawingscale.h"

#include <algorithm>
#include <cmath>

DrawingScale::DrawingScale(const QRectF& world, const QRectF& target) {
    const double w = std::max(world.width(), 1e-9);
    const double h = std::max(world.height(), 1e-9);
    m_factor = std::max(0.0, std::min(target.width() / w, target.height() / h));
    // Centre the drawing; v grows upward, y downward.
    const double left = target.center().x() - w * m_factor / 2;
    const double bottom = target.center().y() + h * m_factor / 2;
    m_origin = QPointF(left - world.left() * m_factor, bottom + lowestV(world) * m_factor);
}

QPointF DrawingScale::map(QPointF p) const {
    return QPointF(m_origin.x() + p.x() * m_factor, m_origin.y() - p.y() * m_factor);
}

QRectF DrawingScale::map(const QRectF& r) const {
    return QRectF(map(QPointF(r.left(), highestV(r))), map(QPointF(r.right(), lowestV(r))));
}

DrawingScale DrawingScale::zoomedAt(QPointF pixel, double times) const {
    DrawingScale zoomed;
    zoomed.m_factor = m_factor * times;
    zoomed.m_origin = pixel + (m_origin - pixel) * times;
    return zoomed;
}

DrawingScale DrawingScale::panned(QPointF pixels) const {
    DrawingScale moved = *this;
    moved.m_origin += pixels;
    return moved;
}

int bestGridColumns(int count, QSizeF sheet, double gap, QSizeF area) {
    int best = 1;
    double bestScale = -1;
    for (int columns = 1; columns <= std::max(count, 1); ++columns) {
        const int rows = (count + columns - 1) / columns;
        const double w = columns * sheet.width() + (columns - 1) * gap;
        const double h = rows * sheet.height() + (rows - 1) * gap;
        const double scale = std::min(area.width() / w, area.height() / h);
        // Ties go to fewer columns: rows read more easily.
        if (scale > bestScale * (1 + 1e-9)) {
            best = columns;
            bestScale = scale;
        }
    }
    return best;
}
