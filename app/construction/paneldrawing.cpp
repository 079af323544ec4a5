#include "paneldrawing.h"

#include "constructionwords.h"
#include "drawingscale.h"
#include "framecurve.h"

#include <cmath>
#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

namespace {
const QColor woodColour(238, 214, 170);
const QColor ribColour(150, 105, 60);
const QColor splitColour(200, 0, 0);
const QColor measureColour(40, 40, 140);

QPolygonF polygon(const Outline& outline, const DrawingScale& scale) {
    // Chords within a quarter of a pixel of the true arc.
    const double tolerance = 0.25 / std::max(scale.pixelsPerMillimetre(), 1e-9);
    QPolygonF points;
    for (QPointF p : flatten(outline, tolerance))
        points << scale.map(p);
    return points;
}

void drawArrow(QPainter& painter, QPointF from, QPointF to) {
    painter.drawLine(from, to);
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    if (length < 1) return;
    const QPointF unit = d / length, side(-unit.y(), unit.x());
    painter.drawPolygon(QPolygonF{to, to - unit * 8 + side * 4, to - unit * 8 - side * 4});
}

QString mm(double value) {
    return QStringLiteral("%1 mm").arg(formatLength(value));
}
} // namespace

QStringList panelCaptions(const ConstructionPlan& plan) {
    QStringList captions;
    for (const DistinctPanel& panel : plan.panels)
        captions << QCoreApplication::translate("PanelDrawing", "%1 : %2 à découper")
                        .arg(capitalized(curvesName(panel)))
                        .arg(panel.count());
    return captions;
}

PanelDrawing::PanelDrawing(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("panelDrawing"));
    setMinimumSize(200, 150);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void PanelDrawing::setPlan(std::shared_ptr<const ConstructionPlan> plan) {
    m_plan = std::move(plan);
    update();
}

void PanelDrawing::paintEvent(QPaintEvent*) {
    if (!m_plan) return;
    const std::vector<DistinctPanel>& panels = m_plan->panels;
    if (panels.empty()) return;
    const QStringList captions = panelCaptions(*m_plan);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = painter.fontMetrics();
    const int line = metrics.height();

    // The panels side by side in one drawing space, a gap of a tenth of the
    // longest between them, each from u = 0 at its own offset.
    double longest = 0, tallest = 0;
    for (const DistinctPanel& panel : panels) {
        const CurvePlan& c = *m_plan->curves[panel.curve];
        longest = std::max(longest, c.panelLength);
        tallest = std::max(tallest, c.panelHeight);
    }
    const double gap = longest * 0.25;
    std::vector<double> offsets;
    double width = 0;
    for (const DistinctPanel& panel : panels) {
        offsets.push_back(width);
        width += m_plan->curves[panel.curve]->panelLength + gap;
    }
    width -= gap;
    // Room around for the captions, the arrow to the pivot and the sizes.
    const QRectF area = QRectF(rect()).adjusted(
        metrics.horizontalAdvance(QStringLiteral("0000.0")) + 12, 4 * line + 16, -12, -(line + 14));
    const DrawingScale scale(QRectF(0, 0, width, tallest), area);

    for (std::size_t i = 0; i < panels.size(); ++i) {
        const CurvePlan& c = *m_plan->curves[panels[i].curve];
        const Outline outline = translated(c.outline, offsets[i], 0);
        const auto at = [&](double u, double v) { return scale.map(QPointF(u + offsets[i], v)); };

        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(woodColour);
        painter.drawPolygon(polygon(outline, scale));

        painter.setPen(QPen(ribColour.darker(), 1));
        painter.setBrush(ribColour);
        for (double s : c.stations) {
            QPolygonF section;
            for (QPointF p : ribSection(frameStation(c, s), m_plan->settings.ribWidth,
                                        m_plan->settings.ribDepth))
                section << at(p.x(), p.y());
            painter.drawPolygon(section);
        }

        painter.setPen(QPen(splitColour, 1.5, Qt::DashLine));
        for (const PanelSplit& split : c.splits)
            painter.drawLine(at(split.from.x(), split.from.y()), at(split.to.x(), split.to.y()));

        // The pivot lies straight above the toe, usually far above the panel.
        painter.setPen(QPen(measureColour, 1));
        painter.setBrush(measureColour);
        const QPointF toe = at(c.panelLength, m_plan->settings.flat);
        const QPointF arrowTip(toe.x(), area.top() - line - 4);
        drawArrow(painter, toe, arrowTip);
        const QString pivotText = QStringLiteral("centre à %1 du sol").arg(mm(c.pivot.y()));
        painter.drawText(QRectF(arrowTip.x() - 200, arrowTip.y() - line - 2, 200 + 4, line),
                         Qt::AlignRight | Qt::AlignVCenter, pivotText + QStringLiteral(" ↑"));

        // Length under the panel, height on its left.
        const QPointF bottomLeft = at(0, 0), bottomRight = at(c.panelLength, 0);
        const double y = bottomLeft.y() + 6;
        painter.drawLine(QPointF(bottomLeft.x(), y), QPointF(bottomRight.x(), y));
        painter.drawText(QRectF(bottomLeft.x(), y + 1, bottomRight.x() - bottomLeft.x(), line),
                         Qt::AlignHCenter | Qt::AlignTop, formatLength(c.panelLength));
        const QPointF topLeft = at(0, c.panelHeight);
        const double x = topLeft.x() - 6;
        painter.drawLine(QPointF(x, topLeft.y()), QPointF(x, bottomLeft.y()));
        painter.drawText(QRectF(x - 200 - 2, topLeft.y(), 200, bottomLeft.y() - topLeft.y()),
                         Qt::AlignRight | Qt::AlignVCenter, formatLength(c.panelHeight));

        painter.setPen(Qt::black);
        // Two lines, each cut short at the next panel's start.
        const double room = i + 1 < panels.size()
                                ? at(offsets[i + 1] - offsets[i], 0).x() - bottomLeft.x() - 8
                                : this->width() - bottomLeft.x() - 4;
        const QString lines[] = {
            captions[qsizetype(i)],
            QStringLiteral("rayon %1, hauteur %2").arg(mm(c.radius), mm(c.height))};
        for (int k = 0; k < 2; ++k)
            painter.drawText(QRectF(bottomLeft.x(), 4 + k * line, room, line),
                             Qt::AlignLeft | Qt::AlignVCenter,
                             metrics.elidedText(lines[k], Qt::ElideRight, int(room)));
    }
}
