#include "cutlayout.h"

#include "quarvelerror.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

constexpr double labelHeight = 30; // mm
constexpr double sheetLabelHeight = 40;
constexpr double pivotCross = 15; // half the cross's arms

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
    Point operator()(Point p) const { return {a * p.u + b * p.v + du, c * p.u + d * p.v + dv}; }
};

// The placement that mirrors (u -> -u) when mirrored, turns by quarters
// counter-clockwise, and then takes the box from onto the box whose
// lower-left corner is to.
Placement boxPlacement(const Rect& from, Point to, bool mirrored, int quarters) {
    Placement m;
    if (mirrored) m.a = -1;
    for (int i = 0; i < ((quarters % 4) + 4) % 4; ++i)
        m = {-m.c, -m.d, m.a, m.b, 0, 0};
    std::optional<Rect> box;
    for (const Point corner : {Point{from.left, from.bottom}, Point{from.right, from.bottom},
                               Point{from.right, from.top}, Point{from.left, from.top}})
        extendBox(box, m(corner));
    m.du = to.u - box->left;
    m.dv = to.v - box->bottom;
    return m;
}

// Even-odd test against the outline flattened finely.
bool inside(const std::vector<Point>& polygon, Point p) {
    bool in = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Point a = polygon[i], b = polygon[j];
        if ((a.v > p.v) != (b.v > p.v) && p.u < a.u + (p.v - a.v) * (b.u - a.u) / (b.v - a.v))
            in = !in;
    }
    return in;
}

// The rib station marks of one part, in panel coordinates: from the frame
// curve straight into the panel along the normal, as deep as the rib, so the
// builder sees where each rib's end sits. Only the stations on this part.
std::vector<DrawingLine> stationMarks(const CurvePlan& curve, const Outline& part,
                                      double ribDepth) {
    const std::vector<Point> polygon = flatten(part, 0.01);
    std::vector<DrawingLine> marks;
    for (const Point& p : curve.stationPoints) {
        // Above the pivot the frame edge is the vertical wall edge.
        Point normal{-1, 0};
        if (p.v <= curve.pivot.v) {
            const double du = p.u - curve.pivot.u, dv = p.v - curve.pivot.v;
            const double length = std::hypot(du, dv);
            if (length > 0) normal = {du / length, dv / length};
        }
        const Point end{p.u + ribDepth * normal.u, p.v + ribDepth * normal.v};
        const Point middle{(p.u + end.u) / 2, (p.v + end.v) / 2};
        if (inside(polygon, middle)) marks.push_back({p, end});
    }
    return marks;
}

// The pivot cross and the string from the pivot down to the toe, when this
// part holds the toe.
std::vector<DrawingLine> pivotMarks(const CurvePlan& curve, const Outline& part) {
    const Rect box = boundingBox(part);
    const double flat = curve.pivot.v - curve.frameRadius; // the toe's height
    if (std::abs(box.right - curve.pivot.u) > 1e-6 || box.bottom > 1e-6) return {};
    const Point c = curve.pivot;
    return {{{c.u - pivotCross, c.v}, {c.u + pivotCross, c.v}},
            {{c.u, c.v - pivotCross}, {c.u, c.v + pivotCross}},
            {{c.u, c.v}, {c.u, flat}}};
}

// Where a label fits inside a part: on a horizontal line a third of the way
// up, at the start of the widest stretch of material. Returns the baseline's
// left end and the text height that fits that stretch.
DrawingText label(const Outline& part, const QString& text, double height) {
    const Rect box = boundingBox(part);
    const std::vector<Point> polygon = flatten(part, 0.1);
    const double v = box.bottom + box.height() / 3;
    std::vector<double> crossings;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Point a = polygon[i], b = polygon[j];
        if ((a.v > v) != (b.v > v))
            crossings.push_back(a.u + (v - a.v) * (b.u - a.u) / (b.v - a.v));
    }
    std::sort(crossings.begin(), crossings.end());
    double start = box.left, width = box.width();
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

QString partName(const CurvePlan& curve, int curveIndex, int piece) {
    const int pieces = pieceCount(curve);
    if (pieces == 1) return curveName(curveIndex);
    return QStringLiteral("%1, morceau %2/%3")
        .arg(curveName(curveIndex))
        .arg(piece + 1)
        .arg(pieces);
}

// A splice plate's name: its curve and its number among that curve's plates.
QString plateName(const ConstructionPlan& plan, int plate) {
    const int curve = plan.sheets.splicePlates.at(std::size_t(plate)).curve;
    int number = 0, of = 0;
    for (int i = 0; i < int(plan.sheets.splicePlates.size()); ++i) {
        if (plan.sheets.splicePlates[std::size_t(i)].curve != curve) continue;
        ++of;
        if (i <= plate) ++number;
    }
    return QCoreApplication::translate("CutLayout", "%1, éclisse %2/%3")
        .arg(curveName(curve))
        .arg(number)
        .arg(of);
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

CutDrawing sideBySide(const ConstructionPlan& plan) {
    CutDrawing drawing;
    double x = 0;
    for (int c = 0; c < 2; ++c) {
        if (!plan.curves[c]) continue;
        const CurvePlan& curve = *plan.curves[c];
        for (int piece = 0; piece < pieceCount(curve); ++piece) {
            const Outline& own = partOutline(curve, piece);
            const Rect box = boundingBox(own);
            const Placement m = boxPlacement(box, {x, 0}, false, 0);
            const Outline placed = translated(own, m.du, m.dv);
            drawing.cut.push_back(placed);
            append(drawing.marks, stationMarks(curve, own, plan.settings.ribDepth), m);
            append(drawing.marks, pivotMarks(curve, own), m);
            const QString text =
                partName(curve, c, piece) + QStringLiteral(" × %1").arg(curve.panelCount);
            drawing.texts.push_back(label(placed, text, labelHeight));
            x += box.width() + partGap;
        }
        for (int i = 0; i < int(plan.sheets.splicePlates.size()); ++i) {
            const PanelSplice& plate = plan.sheets.splicePlates[std::size_t(i)];
            if (plate.curve != c) continue;
            const Rect box = boundingBox(plate.outline);
            const Outline placed = translated(plate.outline, x - box.left, -box.bottom);
            drawing.cut.push_back(placed);
            const QString text = plateName(plan, i) + QStringLiteral(" × %1").arg(plate.count);
            drawing.texts.push_back(label(placed, text, labelHeight));
            x += box.width() + partGap;
        }
    }
    return drawing;
}

CutDrawing onSheets(const ConstructionPlan& plan) {
    CutDrawing drawing;
    const double sheetLong = plan.settings.sheetLong, sheetShort = plan.settings.sheetShort;
    const int count = int(plan.sheets.layout.size());
    for (int k = 0; k < count; ++k) {
        const double x0 = k * (sheetLong + sheetGap);
        drawing.sheets.push_back(rectangle(x0, 0, x0 + sheetLong, sheetShort));
        drawing.texts.push_back({{x0, sheetShort + sheetLabelHeight / 2},
                                 sheetLabelHeight,
                                 QStringLiteral("Feuille %1/%2").arg(k + 1).arg(count)});
        for (const PlacedPart& part : plan.sheets.layout[k].parts) {
            if (part.curve < 0 || part.curve > 1 || !plan.curves[part.curve])
                throw QuarvelError(QStringLiteral("Pièce placée sur une courbe sans flanc"));
            const Outline onSheet = translated(placedOutline(plan, part), x0, 0);
            drawing.cut.push_back(onSheet);
            if (part.part == PartKind::splice) {
                drawing.texts.push_back(label(onSheet, plateName(plan, part.piece), labelHeight));
                continue;
            }
            const CurvePlan& curve = *plan.curves[part.curve];
            const Outline& own = partOutline(curve, part.piece);
            const Rect box = boundingBox(onSheet);
            const Placement m = boxPlacement(boundingBox(own), {box.left, box.bottom},
                                             part.mirrored, part.rotation / 90);
            append(drawing.marks, stationMarks(curve, own, plan.settings.ribDepth), m);
            drawing.texts.push_back(
                label(onSheet, partName(curve, part.curve, part.piece), labelHeight));
        }
    }
    return drawing;
}

} // namespace

QString curveName(int curve) {
    return curve == leftCurve ? QStringLiteral("Courbe gauche") : QStringLiteral("Courbe droite");
}

CutDrawing cutDrawing(const ConstructionPlan& plan, bool sheets) {
    CutDrawing drawing = sheets ? onSheets(plan) : sideBySide(plan);
    if (drawing.cut.empty()) throw QuarvelError(QStringLiteral("Aucun flanc à découper"));
    return drawing;
}
