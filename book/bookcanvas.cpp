#include "bookcanvas.h"

#include "booktypography.h"

#include <QFontMetricsF>
#include <QPainter>

BookCanvas::BookCanvas(QPainter& painter, QPointF topLeftMm, QSizeF sizeMm)
    : m_painter(painter)
    , m_size(sizeMm) {
    m_painter.save();
    m_painter.scale(bookPixelsPerMm, bookPixelsPerMm);
    m_painter.translate(topLeftMm);
    m_painter.setPen(QPen(Qt::black, defaultPenWidth));
    m_painter.setBrush(Qt::NoBrush);
    m_base = m_painter.transform();
}

BookCanvas::~BookCanvas() {
    m_painter.restore();
}

QSizeF BookCanvas::textSize(const QString& text, double height) {
    const QFontMetricsF metrics(bookFont({height}));
    return QSizeF(metrics.horizontalAdvance(text), metrics.height()) / bookPixelsPerMm;
}

QRectF BookCanvas::text(const QString& text, QPointF anchor, Qt::Alignment alignment, double height,
                        double angle) {
    const QFont font = bookFont({height});
    const QFontMetricsF metrics(font);
    const QSizeF size = QSizeF(metrics.horizontalAdvance(text), metrics.height()) / bookPixelsPerMm;
    double dx = 0;
    if (alignment & Qt::AlignRight)
        dx = -size.width();
    else if (alignment & Qt::AlignHCenter)
        dx = -size.width() / 2;
    double dy = 0;
    if (alignment & Qt::AlignBottom)
        dy = -size.height();
    else if (alignment & Qt::AlignVCenter)
        dy = -size.height() / 2;

    // Set in device units about the anchor, so that the font keeps its size
    // under any scale of the canvas.
    const QPointF at = m_painter.transform().map(anchor);
    const QRectF box(m_base.inverted().map(at) + QPointF(dx, dy), size);
    m_painter.save();
    m_painter.resetTransform();
    m_painter.translate(at);
    m_painter.rotate(angle);
    m_painter.setFont(font);
    m_painter.drawText(QPointF(dx, dy) * bookPixelsPerMm + QPointF(0, metrics.ascent()), text);
    m_painter.restore();
    return box;
}
