#include "sketchview.h"

#include <algorithm>
#include <cmath>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {
const QColor woodColour(238, 214, 170);
const QColor ribColour(150, 105, 60);
const QColor cutColour(200, 0, 0);
const QColor measureColour(40, 40, 140);
const QColor sheetColour(250, 244, 230);
const QColor surfaceColour(222, 196, 150);
// A wheel notch, in QWheelEvent's eighths of a degree.
constexpr double eighthsPerNotch = 120;
constexpr int arrowLength = 8;
constexpr int arrowHalfWidth = 4;
constexpr int textGap = 3;

QPolygonF mapped(const QList<QPointF>& points, const DrawingScale& scale) {
    QPolygonF polygon;
    polygon.reserve(points.size());
    for (QPointF p : points)
        polygon << scale.map(p);
    return polygon;
}

void setStyle(QPainter& painter, SketchStyle style) {
    switch (style) {
    case SketchStyle::wood:
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(woodColour);
        return;
    case SketchStyle::rib:
        painter.setPen(QPen(ribColour.darker(), 1));
        painter.setBrush(ribColour);
        return;
    case SketchStyle::sheet:
        painter.setPen(QPen(Qt::darkGray, 1));
        painter.setBrush(sheetColour);
        return;
    case SketchStyle::cut:
        painter.setPen(QPen(cutColour, 1.5, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        return;
    case SketchStyle::surface:
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(surfaceColour);
        return;
    case SketchStyle::measure:
    case SketchStyle::arrow:
        painter.setPen(QPen(measureColour, 1));
        painter.setBrush(measureColour);
        return;
    }
}

void drawArrowHead(QPainter& painter, QPointF from, QPointF to) {
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    if (length < 1) return;
    const QPointF unit = d / length, side(-unit.y(), unit.x());
    painter.drawPolygon(QPolygonF{to, to - unit * arrowLength + side * arrowHalfWidth,
                                  to - unit * arrowLength - side * arrowHalfWidth});
}

void drawShape(QPainter& painter, const SketchShape& shape, const DrawingScale& scale) {
    setStyle(painter, shape.style);
    const QPolygonF polygon = mapped(shape.points, scale);
    if (shape.closed) {
        painter.drawPolygon(polygon);
        return;
    }
    painter.drawPolyline(polygon);
    if (shape.style == SketchStyle::arrow && polygon.size() >= 2)
        drawArrowHead(painter, polygon[polygon.size() - 2], polygon.back());
}

void drawDimension(QPainter& painter, const SketchDimension& d, const DrawingScale& scale) {
    const QPointF from = scale.map(d.from), to = scale.map(d.to);
    const QPointF run = to - from;
    const double length = std::hypot(run.x(), run.y());
    if (length < 1) return;
    const QPointF normal = QPointF(-run.y(), run.x()) / length;
    const QPointF shift = normal * d.offset;
    setStyle(painter, SketchStyle::measure);
    painter.drawLine(from + shift, to + shift);
    painter.drawLine(from, from + shift * 1.5);
    painter.drawLine(to, to + shift * 1.5);
    const QSizeF text = painter.fontMetrics().size(0, d.text);
    const double reach = std::abs(normal.x()) * text.width() / 2 +
                         std::abs(normal.y()) * text.height() / 2 + textGap;
    const QPointF centre = (from + to) / 2 + shift + normal * reach;
    painter.drawText(QRectF(centre - QPointF(text.width(), text.height()) / 2, text),
                     Qt::AlignCenter, d.text);
}

void drawLabel(QPainter& painter, const SketchLabel& label, const DrawingScale& scale) {
    const QFontMetrics metrics = painter.fontMetrics();
    const QSizeF text = metrics.size(0, label.text);
    if (label.room > 0 && text.width() > label.room * scale.pixelsPerMillimetre()) return;
    QPointF topLeft = scale.map(label.at);
    if (label.alignment & Qt::AlignRight) topLeft.rx() -= text.width();
    if (label.alignment & Qt::AlignHCenter) topLeft.rx() -= text.width() / 2;
    if (label.alignment & Qt::AlignBottom) topLeft.ry() -= text.height();
    if (label.alignment & Qt::AlignVCenter) topLeft.ry() -= text.height() / 2;
    topLeft.ry() += label.lineShift * metrics.height();
    painter.setPen(Qt::black);
    painter.drawText(QRectF(topLeft, text), Qt::AlignLeft | Qt::AlignTop, label.text);
}
} // namespace

SketchView::SketchView(QWidget* parent)
    : QWidget(parent) {
    setMinimumSize(200, 150);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setToolTip(tr("Molette pour zoomer, glisser pour déplacer, double clic pour tout voir"));
}

void SketchView::setSketch(Sketch sketch) {
    m_sketch = std::move(sketch);
    fit();
}

void SketchView::fit() {
    m_zoomed.reset();
    m_zoom = 1;
    update();
}

DrawingScale SketchView::fitted() const {
    // Room around the drawing for the texts beside its edges: on the left the
    // upright dimensions' (feet and inches run longer than millimetres).
    const QFontMetrics metrics = fontMetrics();
    const int line = metrics.height();
    int left = metrics.horizontalAdvance(QStringLiteral("00000,0"));
    for (const SketchDimension& d : m_sketch.dimensions)
        if (d.from.x() == d.to.x()) left = std::max(left, metrics.horizontalAdvance(d.text));
    const QRectF area = QRectF(rect()).adjusted(left + 14, 3 * line + 12, -14, -(line + 16));
    return DrawingScale(m_sketch.world, area);
}

DrawingScale SketchView::scale() const {
    return m_zoomed ? *m_zoomed : fitted();
}

void SketchView::paintEvent(QPaintEvent*) {
    if (m_sketch.shapes.empty()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const DrawingScale s = scale();
    for (const SketchShape& shape : m_sketch.shapes)
        drawShape(painter, shape, s);
    for (const SketchDimension& d : m_sketch.dimensions)
        drawDimension(painter, d, s);
    for (const SketchLabel& label : m_sketch.labels)
        drawLabel(painter, label, s);
}

void SketchView::resizeEvent(QResizeEvent*) {
    fit();
}

void SketchView::wheelEvent(QWheelEvent* event) {
    event->accept();
    const double wanted =
        m_zoom * std::pow(zoomPerNotch, event->angleDelta().y() / eighthsPerNotch);
    const double zoom = std::clamp(wanted, 1.0, largestZoom);
    if (zoom <= 1) return fit();
    m_zoomed = scale().zoomedAt(event->position(), zoom / m_zoom);
    m_zoom = zoom;
    update();
}

void SketchView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_dragFrom = event->position();
}

void SketchView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) || !m_zoomed) return;
    m_zoomed = m_zoomed->panned(event->position() - m_dragFrom);
    m_dragFrom = event->position();
    update();
}

void SketchView::mouseDoubleClickEvent(QMouseEvent*) {
    fit();
}
