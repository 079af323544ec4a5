#include "sheetdrawing.h"

#include "constructionwords.h"
#include "drawingscale.h"
#include "printedlengths.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <QCoreApplication>

namespace {
constexpr double flatness = 0.25;
// Between sheets, a share of the short side: room for the sheet's number
// above it and its length below it.
constexpr double sheetGap = 0.3;
// The grid is laid out for a tab about this wide for its height.
const QSizeF tabShape(16, 10);

QString partName(const ConstructionPlan& plan, const PlacedPart& part) {
    if (part.part == PlacedPartKind::splice)
        return QCoreApplication::translate("SheetDrawing", "Éclisse %1").arg(curveName(part.curve));
    const std::size_t pieces = plan.curves[part.curve]->pieces.size();
    if (pieces < 2) return capitalized(curveName(part.curve));
    return QCoreApplication::translate("SheetDrawing", "%1, morceau %2/%3")
        .arg(capitalized(curveName(part.curve)))
        .arg(part.piece + 1)
        .arg(pieces);
}

// Candidate places for a part's name across and along its box.
constexpr int labelGrid = 16;

// Squared, to compare.
double squaredDistanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t =
        length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
    const QPointF d = p - (a + ab * t);
    return QPointF::dotProduct(d, d);
}

// Where a part's name stands clear of its edges: of a grid of points inside
// it, the farthest from every edge (the middle of its box may lie in the
// neighbour's curve).
QPointF labelPoint(const QList<QPointF>& polygon, const QRectF& box) {
    QPointF best = box.center();
    double bestRoom = -1;
    for (int i = 1; i < labelGrid; ++i)
        for (int k = 1; k < labelGrid; ++k) {
            const QPointF p(box.left() + box.width() * i / labelGrid,
                            box.top() + box.height() * k / labelGrid);
            if (!polygonContains(polygon, p)) continue;
            double room = std::numeric_limits<double>::max();
            for (qsizetype e = 0; e < polygon.size(); ++e)
                room = std::min(room, squaredDistanceToSegment(p, polygon[e],
                                                               polygon[(e + 1) % polygon.size()]));
            if (room > bestRoom) {
                bestRoom = room;
                best = p;
            }
        }
    return best;
}

void addPart(const ConstructionPlan& plan, const PlacedPart& part, QPointF corner, LengthUnit unit,
             Sketch& sketch) {
    QList<QPointF> shape;
    for (QPointF p : flatten(placedOutline(plan, part), flatness))
        shape << p + corner;
    sketch.shapes.push_back({shape, SketchStyle::wood});
    const QRectF box = boundingBox(placedOutline(plan, part)).translated(corner);
    const QPointF centre = labelPoint(shape, box);
    sketch.labels.push_back({centre, partName(plan, part), Qt::AlignCenter, -0.5, box.width()});
    sketch.labels.push_back({centre,
                             QStringLiteral("%1 × %2").arg(lengthCell(box.width(), unit),
                                                           lengthCell(box.height(), unit)),
                             Qt::AlignCenter, 0.5, box.width()});
}

void addSheet(const ConstructionPlan& plan, int number, QPointF corner, LengthUnit unit,
              Sketch& sketch) {
    const ConstructionSettings& s = plan.settings;
    const QRectF sheet(corner, QSizeF(s.sheetLong, s.sheetShort));
    sketch.shapes.push_back(
        {{sheet.topLeft(), sheet.topRight(), sheet.bottomRight(), sheet.bottomLeft()},
         SketchStyle::sheet});
    const QPointF top(sheet.left(), highestV(sheet));
    sketch.labels.push_back({top,
                             QCoreApplication::translate("SheetDrawing", "Feuille %1").arg(number),
                             Qt::AlignLeft | Qt::AlignBottom});
    sketch.dimensions.push_back({QPointF(sheet.left(), lowestV(sheet)),
                                 QPointF(sheet.right(), lowestV(sheet)),
                                 lengthCell(s.sheetLong, unit)});
    sketch.dimensions.push_back(
        {top, QPointF(sheet.left(), lowestV(sheet)), lengthCell(s.sheetShort, unit)});
}
} // namespace

Sketch sheetSketch(const ConstructionPlan& plan, LengthUnit unit) {
    Sketch sketch;
    const std::vector<SheetLayout>& sheets = plan.panelSheets.layout;
    if (sheets.empty()) return sketch;
    const ConstructionSettings& s = plan.settings;
    const double gap = s.sheetShort * sheetGap;
    const int count = int(sheets.size());
    const int columns =
        bestGridColumns(count, QSizeF(s.sheetLong + gap, s.sheetShort + gap), 0, tabShape);
    const int rows = (count + columns - 1) / columns;
    for (int i = 0; i < count; ++i) {
        // Row 0 at the top; v grows upward.
        const QPointF corner((i % columns) * (s.sheetLong + gap),
                             (rows - 1 - i / columns) * (s.sheetShort + gap));
        addSheet(plan, i + 1, corner, unit, sketch);
        for (const PlacedPart& part : sheets[std::size_t(i)].parts)
            addPart(plan, part, corner, unit, sketch);
    }
    sketch.world =
        QRectF(0, 0, columns * (s.sheetLong + gap) - gap, rows * (s.sheetShort + gap) - gap);
    return sketch;
}

SheetDrawing::SheetDrawing(QWidget* parent)
    : SketchView(parent) {
    setObjectName(QStringLiteral("sheetDrawing"));
}

void SheetDrawing::setPlan(std::shared_ptr<const ConstructionPlan> plan, LengthUnit unit) {
    setSketch(plan ? sheetSketch(*plan, unit) : Sketch{});
}
