#include "cutlayout.h"

#include "constructionwords.h"
#include "framecurve.h"
#include "printedlengths.h"
#include "quarvelerror.h"

#include <algorithm>
#include <cmath>
#include <QCoreApplication>

namespace {

constexpr double labelHeight = 30; // mm
constexpr double sheetLabelHeight = 40;
// How far up its part a label stands: the name, and under it the pivot.
constexpr double nameLabelUp = 1.0 / 3;
constexpr double pivotLabelUp = 1.0 / 6;

// A part's own outline in panel coordinates: one piece of a split panel, or
// the whole panel.
const Outline& partOutline(const CurvePlan& curve, int piece) {
    if (curve.pieces.empty()) return curve.outline;
    return curve.pieces.at(piece).outline;
}

int pieceCount(const CurvePlan& curve) {
    return std::max(1, int(curve.pieces.size()));
}

// An affine map p' = (a·u + b·v + du, c·u + d·v + dv): how a part moves from
// its panel coordinates to its place (mirror, quarter turns, translation).
struct Placement {
    double a = 1, b = 0, c = 0, d = 1, du = 0, dv = 0;
    QPointF operator()(QPointF p) const {
        return {a * p.x() + b * p.y() + du, c * p.x() + d * p.y() + dv};
    }
};

// The placement that mirrors (u -> -u) when mirrored, turns by quarters
// counter-clockwise, and then takes the box from onto the box whose
// lower-left corner is to.
Placement boxPlacement(const QRectF& from, QPointF to, bool mirrored, int quarters) {
    Placement m;
    if (mirrored) m.a = -1;
    for (int i = 0; i < ((quarters % 4) + 4) % 4; ++i)
        m = {-m.c, -m.d, m.a, m.b, 0, 0};
    double left = INFINITY, low = INFINITY;
    for (const QPointF corner :
         {from.topLeft(), from.topRight(), from.bottomLeft(), from.bottomRight()}) {
        left = std::min(left, m(corner).x());
        low = std::min(low, m(corner).y());
    }
    m.du = to.x() - left;
    m.dv = to.y() - low;
    return m;
}

// The rib station marks of one part, in panel coordinates: from the frame
// curve straight into the panel along the normal, as deep as the rib, so the
// builder sees where each rib's end sits. Only the stations on this part,
// and never beyond its outline; a station where the panel is cut is marked
// by the cut itself.
std::vector<DrawingLine> stationMarks(const CurvePlan& curve, const Outline& part,
                                      double ribDepth) {
    const QList<QPointF> polygon = flatten(part, 0.01);
    std::vector<DrawingLine> marks;
    for (const double s : curve.stations) {
        const auto onCut = [&](const PanelSplit& split) {
            return split.kind == SplitKind::normal && split.station == s;
        };
        if (std::any_of(curve.splits.begin(), curve.splits.end(), onCut)) continue;
        const FrameStation station = frameStation(curve, s);
        const QPointF end = station.inside(depthInside(part, station, ribDepth));
        if (polygonContains(polygon, (station.point + end) / 2))
            marks.push_back({station.point, end});
    }
    return marks;
}

// Whether the part holds the panel's toe (the corner under the frame curve's
// start, at the panel's far end).
bool holdsToe(const CurvePlan& curve, const Outline& part) {
    const QRectF box = boundingBox(part);
    return std::abs(box.right() - curve.pivot.x()) <= 1e-6 && lowestV(box) <= 1e-6;
}

// Where a label fits inside a part: on a horizontal line the given fraction
// of the way up, at the start of the widest stretch of material. Returns the
// baseline's left end and the text height that fits that stretch.
DrawingText label(const Outline& part, const QString& text, double height,
                  double up = nameLabelUp) {
    const QRectF box = boundingBox(part);
    const QList<QPointF> polygon = flatten(part, 0.1);
    const double v = lowestV(box) + box.height() * up;
    std::vector<double> crossings;
    for (qsizetype i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const QPointF a = polygon[i], b = polygon[j];
        if ((a.y() > v) != (b.y() > v))
            crossings.push_back(a.x() + (v - a.y()) * (b.x() - a.x()) / (b.y() - a.y()));
    }
    std::sort(crossings.begin(), crossings.end());
    double start = box.left(), width = box.width();
    double widest = -1;
    for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
        if (crossings[i + 1] - crossings[i] > widest) {
            widest = crossings[i + 1] - crossings[i];
            start = crossings[i];
            width = widest;
        }
    }
    const double margin = 15;
    const double fit = (width - 2 * margin) / (0.6 * std::max<qsizetype>(1, text.size()));
    const double h = std::clamp(fit, 5.0, height);
    return {{start + margin, v - h / 2}, h, text};
}

// "pivot à 1418 mm au-dessus du pied", "pivot à 4' 7 13/16" au-dessus du pied".
QString pivotText(const CurvePlan& curve, LengthUnit unit) {
    return QCoreApplication::translate("CutLayout", "pivot à %1 au-dessus du pied")
        .arg(lengthWords(curve.frameRadius, unit));
}

// "Courbe gauche", or "Courbe gauche, morceau 1/2" for a piece.
QString partName(const QString& curves, const CurvePlan& curve, int piece) {
    const int pieces = pieceCount(curve);
    if (pieces == 1) return capitalized(curves);
    return QCoreApplication::translate("CutLayout", "%1, morceau %2/%3")
        .arg(capitalized(curves))
        .arg(piece + 1)
        .arg(pieces);
}

// "Courbe gauche, éclisse 1/3": a splice plate and its number among its
// panel's plates.
QString plateName(const QString& curves, const CurvePlan& curve, int plate) {
    return QCoreApplication::translate("CutLayout", "%1, éclisse %2/%3")
        .arg(capitalized(curves))
        .arg(plate + 1)
        .arg(curve.splicePlates.size());
}

void append(std::vector<DrawingLine>& to, const std::vector<DrawingLine>& lines,
            const Placement& m) {
    for (const DrawingLine& line : lines)
        to.push_back({m(line.from), m(line.to)});
}

Outline rectangle(double left, double bottom, double right, double top) {
    return {Segment::line({left, bottom}, {right, bottom}),
            Segment::line({right, bottom}, {right, top}), Segment::line({right, top}, {left, top}),
            Segment::line({left, top}, {left, bottom})};
}

CutDrawing sideBySide(const ConstructionPlan& plan, LengthUnit unit) {
    CutDrawing drawing;
    double x = 0;
    for (const DistinctPanel& panel : plan.panels) {
        const CurvePlan& curve = *plan.curves[panel.curve];
        for (int piece = 0; piece < pieceCount(curve); ++piece) {
            const Outline& own = partOutline(curve, piece);
            const QRectF box = boundingBox(own);
            const Placement m = boxPlacement(box, {x, 0}, false, 0);
            const Outline placed = translated(own, m.du, m.dv);
            drawing.cut.push_back(placed);
            append(drawing.marks, stationMarks(curve, own, plan.settings.ribDepth), m);
            const QString text = partName(curvesName(panel), curve, piece) +
                                 QStringLiteral(" × %1").arg(panel.count());
            drawing.texts.push_back(label(placed, text, labelHeight));
            // The pivot is the frame circle's centre, never on the wood: the
            // piece with the toe tells how far above the toe it stands.
            if (holdsToe(curve, own))
                drawing.texts.push_back(
                    label(placed, pivotText(curve, unit), labelHeight, pivotLabelUp));
            x += box.width() + partGap;
        }
        for (int i = 0; i < int(curve.splicePlates.size()); ++i) {
            const Outline& plate = curve.splicePlates[std::size_t(i)].outline;
            const QRectF box = boundingBox(plate);
            const Outline placed = translated(plate, x - box.left(), -lowestV(box));
            drawing.cut.push_back(placed);
            const QString text =
                plateName(curvesName(panel), curve, i) + QStringLiteral(" × %1").arg(panel.count());
            drawing.texts.push_back(label(placed, text, labelHeight));
            x += box.width() + partGap;
        }
    }
    return drawing;
}

CutDrawing onSheets(const ConstructionPlan& plan) {
    CutDrawing drawing;
    const double sheetLong = plan.settings.sheetLong, sheetShort = plan.settings.sheetShort;
    const int count = int(plan.panelSheets.layout.size());
    for (int k = 0; k < count; ++k) {
        const double x0 = k * (sheetLong + sheetGap);
        drawing.sheets.push_back(rectangle(x0, 0, x0 + sheetLong, sheetShort));
        drawing.texts.push_back(
            {{x0, sheetShort + sheetLabelHeight / 2},
             sheetLabelHeight,
             QCoreApplication::translate("CutLayout", "Feuille %1/%2").arg(k + 1).arg(count)});
        for (const PlacedPart& part : plan.panelSheets.layout[k].parts) {
            if (part.curve < 0 || part.curve > 1 || !plan.curves[part.curve])
                throw QuarvelError(QCoreApplication::translate(
                    "CutLayout", "Pièce placée sur une courbe sans flanc"));
            const Outline onSheet = translated(placedOutline(plan, part), x0, 0);
            drawing.cut.push_back(onSheet);
            const CurvePlan& curve = *plan.curves[part.curve];
            if (part.part == PlacedPartKind::splice) {
                drawing.texts.push_back(label(
                    onSheet, plateName(curveName(part.curve), curve, part.piece), labelHeight));
                continue;
            }
            const Outline& own = partOutline(curve, part.piece);
            const QRectF box = boundingBox(onSheet);
            const Placement m = boxPlacement(boundingBox(own), {box.left(), lowestV(box)},
                                             part.mirrored, part.rotation / 90);
            append(drawing.marks, stationMarks(curve, own, plan.settings.ribDepth), m);
            drawing.texts.push_back(
                label(onSheet, partName(curveName(part.curve), curve, part.piece), labelHeight));
        }
    }
    return drawing;
}

} // namespace

CutDrawing cutDrawing(const ConstructionPlan& plan, bool sheets, LengthUnit unit) {
    CutDrawing drawing = sheets ? onSheets(plan) : sideBySide(plan, unit);
    if (drawing.cut.empty())
        throw QuarvelError(QCoreApplication::translate("CutLayout", "Aucun flanc à découper"));
    return drawing;
}
