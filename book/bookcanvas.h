#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QTransform>

#include <QPainter>

// What a drawing's paint callback draws on: a painter in millimetres, its
// origin at the drawing's top-left corner, y downwards, a black pen 0.25 mm
// wide and no brush. Shapes stay vector in the PDF. Labels go through
// text(), which sizes them in mm whatever the painter's scale.
class BookCanvas {
public:
    BookCanvas(QPainter& painter, QPointF topLeftMm, QSizeF sizeMm);
    ~BookCanvas();
    BookCanvas(const BookCanvas&) = delete;
    BookCanvas& operator=(const BookCanvas&) = delete;

    QPainter& painter() { return m_painter; }
    QSizeF size() const { return m_size; }

    // A label of em height `height` mm placed by `alignment` about anchor (a
    // point of the canvas under its current transform: AlignLeft puts the
    // text's left end there, AlignVCenter its middle line, and so on), turned
    // by angle degrees clockwise about the anchor. Returns its box in the
    // drawing's mm (origin at its top-left, whatever transform the painter
    // has since taken), upright (before the turn), so that callers can keep
    // labels apart.
    QRectF text(const QString& text, QPointF anchor, Qt::Alignment alignment,
                double height = defaultTextHeight, double angle = 0);
    // The size in mm of text set at that height on one line.
    static QSizeF textSize(const QString& text, double height = defaultTextHeight);

    static constexpr double defaultTextHeight = 2.8;
    static constexpr double defaultPenWidth = 0.25;

private:
    QPainter& m_painter;
    QSizeF m_size;
    QTransform m_base; // drawing mm to device units
};
