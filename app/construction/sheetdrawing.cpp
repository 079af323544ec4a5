#include "sheetdrawing.h"

#include "drawingscale.h"

#include <cmath>
#include <QPainter>

namespace {
const QColor sheetColour(250, 244, 230);
const QColor partColour(238, 214, 170);
} // namespace

SheetDrawing::SheetDrawing(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("sheetDrawing"));
    setMinimumSize(200, 150);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void SheetDrawing::setPlan(std::shared_ptr<const ConstructionPlan> plan) {
    m_plan = std::move(plan);
    update();
}

void SheetDrawing::paintEvent(QPaintEvent*) {
    if (!m_plan) return;
    const std::vector<SheetLayout>& sheets = m_plan->panelSheets.layout;
    if (sheets.empty()) return;

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int line = painter.fontMetrics().height();
    const ConstructionSettings& s = m_plan->settings;

    painter.drawText(QRectF(8, 4, width() - 16, line), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Flancs sur %1 feuilles de %2 × %3 mm")
                         .arg(sheets.size())
                         .arg(formatLength(s.sheetShort), formatLength(s.sheetLong)));

    // Sheets with their long side along x, a gap for each sheet's number.
    const double gap = s.sheetShort * 0.12;
    // Room for the title and the first row's sheet numbers.
    const QRectF area = QRectF(rect()).adjusted(8, 2 * line + 10, -8, -8);
    const int count = int(sheets.size());
    const int columns =
        bestGridColumns(count, QSizeF(s.sheetLong, s.sheetShort + gap), gap, area.size());
    const int rows = (count + columns - 1) / columns;
    const double worldWidth = columns * s.sheetLong + (columns - 1) * gap;
    const double worldHeight = rows * (s.sheetShort + gap) + (rows - 1) * gap;
    // At the top of the widget, under the title, rather than centred.
    const double factor =
        DrawingScale(QRectF(0, 0, worldWidth, worldHeight), area).pixelsPerMillimetre();
    const QRectF used(area.left(), area.top(), area.width(), worldHeight * factor);
    const DrawingScale scale(QRectF(0, 0, worldWidth, worldHeight), used);
    const double tolerance = 0.25 / std::max(scale.pixelsPerMillimetre(), 1e-9);

    for (int i = 0; i < count; ++i) {
        const int row = i / columns, column = i % columns;
        const double left = column * (s.sheetLong + gap);
        const double bottom = worldHeight - (row + 1) * (s.sheetShort + gap) - row * gap;
        const QRectF sheetRect = scale.map(QRectF(left, bottom, s.sheetLong, s.sheetShort));
        painter.setPen(QPen(Qt::darkGray, 1));
        painter.setBrush(sheetColour);
        painter.drawRect(sheetRect);
        painter.setPen(Qt::black);
        painter.drawText(
            QRectF(sheetRect.left(), sheetRect.top() - line - 1, sheetRect.width(), line),
            Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Feuille %1").arg(i + 1));

        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(partColour);
        for (const PlacedPart& part : sheets[i].parts) {
            QPolygonF shape;
            for (QPointF p : flatten(placedOutline(*m_plan, part), tolerance))
                shape << scale.map(QPointF(p.x() + left, p.y() + bottom));
            painter.drawPolygon(shape);
        }
    }
}
