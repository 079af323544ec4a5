#include "panelpainter.h"

#include "bezierarc.h"
#include "framecurve.h"
#include "frameordinates.h"
#include "panelsplitting.h"
#include "printedlengths.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <QCoreApplication>
#include <QPainter>

namespace {

const QColor outlineColour(0, 0, 0);
const QColor referenceColour(0, 90, 170);
const QColor ribColour(110, 110, 110);
const QColor splitColour(200, 0, 0);

// The station line runs this far into the panel past the rib's depth.
constexpr double stationLineBeyondRib = 34;
// A rib's number stands this far past the riding surface; its box reaches
// this share of its size above and below its centre.
constexpr double labelGap = 4;
constexpr double labelHalfHeight = 0.6;
// The ground line and the toe's vertical reach this far past the panel.
constexpr double referenceOverrun = 300;
// The panel's name stands this far into the panel from the curve's middle.
constexpr double nameDepth = 105;
// The lip's cross, and its word above it.
constexpr double lipArm = 5;
constexpr double lipWordAbove = 5;
// Words: their height (mm), and the width of a character as a share of it.
constexpr double wordHeight = 3;
constexpr double characterWidth = 0.6;
// The word "sol" under the ground line, toward the panel from the toe.
constexpr double groundWordIn = 12;
constexpr double groundWordBelow = 4;

// The box of a word of n characters centred at c.
QRectF wordBox(QPointF c, qsizetype n, double height) {
    const double w = n * height * characterWidth;
    return QRectF(c.x() - w / 2, c.y() - height / 2, w, height);
}

// A cross of two strokes arm mm either side of c, the horizontal first.
QPainterPath crossPath(QPointF c, double arm) {
    QPainterPath cross;
    cross.moveTo(c.x() - arm, c.y());
    cross.lineTo(c.x() + arm, c.y());
    cross.moveTo(c.x(), c.y() - arm);
    cross.lineTo(c.x(), c.y() + arm);
    return cross;
}

} // namespace

namespace {

// A label's centre beside the line through p square to the unit direction
// n, away along n, with a gap between the line and the label's box (half
// sizes a across, b high).
QPointF besideAlong(QPointF p, QPointF n, double a, double b, double gap) {
    return p + n * (gap + a * std::abs(n.x()) + b * std::abs(n.y()));
}

QString ribLabel(int number, bool underSeam) {
    if (!underSeam) return QString::number(number);
    return QCoreApplication::translate("Templates", "%1 (sous un joint)").arg(number);
}

} // namespace

std::vector<TemplateRib> templateRibs(const CurvePlan& curve,
                                      const ConstructionSettings& settings) {
    const double w = settings.ribWidth;
    const double d = settings.ribDepth;
    const double t = settings.surfaceThickness();
    std::vector<TemplateRib> ribs;
    for (size_t i = 0; i < curve.stations.size(); ++i) {
        const FrameStation station = frameStation(curve, curve.stations[i]);
        const double line = depthInside(curve.outline, station, d + stationLineBeyondRib);
        const bool seam = i < curve.stationSeams.size() && curve.stationSeams[i] != 0;
        const QString label = ribLabel(int(i) + 1, seam);
        const double a = label.size() * ribLabelSize * characterWidth / 2;
        const QPointF at = besideAlong(station.point - t * station.normal, -station.normal, a,
                                       ribLabelSize * labelHalfHeight, labelGap);
        ribs.push_back(
            {ribSection(station, w, d), QLineF(station.point, station.inside(line)), at, label});
    }
    return ribs;
}

QPainterPath outlinePath(const Outline& outline) {
    QPainterPath path;
    if (outline.empty()) return path;
    path.moveTo(outline.front().from);
    for (const Segment& s : outline) {
        if (s.kind == Segment::Kind::Line) {
            path.lineTo(s.to);
            continue;
        }
        for (const CubicBezier& b : arcToBeziers(s))
            path.cubicTo(b.control1, b.control2, b.end);
    }
    return path;
}

QRectF drawnArea(const ConstructionPlan& plan, const TemplatePanel& panel) {
    const CurvePlan& c = *plan.curves[panel.curve];
    QRectF area = boundingBox(c.outline);
    if (c.pipe) {
        const double r = plan.settings.coping / 2;
        area |= QRectF(c.pipe->x() - r, c.pipe->y() - r, 2 * r, 2 * r);
    }
    const QPointF lip{c.back, c.deckFrameTop + plan.settings.surfaceThickness()};
    area |= QRectF(lip.x() - lipArm, lip.y() - lipArm, 2 * lipArm, 2 * lipArm);
    area |= wordBox({lip.x(), lip.y() + lipWordAbove}, 5, wordHeight);
    // The page's x grows toward the toe unless mirrored; v grows upward.
    const QPointF toe = frameCurve(c).front().from;
    area |= wordBox({toe.x() - groundWordIn, -groundWordBelow}, 3, wordHeight);
    for (const TemplateRib& rib : templateRibs(c, plan.settings))
        area |= wordBox(rib.labelAt, rib.label.size(), ribLabelSize);
    return area;
}

PanelPainter::PanelPainter(QPainter& painter, const ConstructionPlan& plan,
                           const TemplatePanel& panel, const QTransform& toDevice,
                           double pixelsPerMm, LengthUnit unit)
    : m_painter(painter)
    , m_plan(plan)
    , m_panel(panel)
    , m_curve(*plan.curves[panel.curve])
    , m_toDevice(toDevice)
    , m_scale(pixelsPerMm)
    , m_unit(unit) {}

QPointF PanelPainter::device(QPointF p) const {
    return m_toDevice.map(p);
}

void PanelPainter::stroke(const QPainterPath& panelPath, double widthMm, const QColor& colour,
                          Qt::PenStyle style) {
    QPen pen(colour, widthMm * m_scale, style, Qt::FlatCap, Qt::MiterJoin);
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPath(m_toDevice.map(panelPath));
}

void PanelPainter::text(QPointF at, const QString& words, double heightMm, double dx, double dy,
                        bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(heightMm * m_scale))));
    font.setBold(bold);
    m_painter.setFont(font);
    m_painter.setPen(outlineColour);
    const QPointF centre = device(at) + QPointF(dx, dy) * m_scale;
    const double width = words.size() * heightMm * m_scale * 2;
    const QRectF box(centre.x() - width / 2, centre.y() - heightMm * m_scale, width,
                     heightMm * m_scale * 2);
    m_painter.drawText(box, Qt::AlignCenter, words);
}

void PanelPainter::draw(const std::vector<QRectF>& onPaper) {
    drawReferences();
    drawRibs();
    stroke(outlinePath(m_curve.outline), 0.35, outlineColour);
    drawPipe();
    drawSplits();
    drawSplicePlates();
    drawPivot(onPaper);
    drawName();
}

void PanelPainter::drawReferences() {
    const QPointF toe = frameCurve(m_curve).front().from;
    QPainterPath ground;
    ground.moveTo(-referenceOverrun, 0);
    ground.lineTo(toe.x() + referenceOverrun, 0);
    stroke(ground, 0.2, referenceColour, Qt::DashDotLine);
    QPainterPath vertical;
    vertical.moveTo(toe.x(), -referenceOverrun);
    vertical.lineTo(toe.x(), std::max(m_curve.pivot.y(), m_curve.deckFrameTop) + referenceOverrun);
    stroke(vertical, 0.2, referenceColour, Qt::DashDotLine);
    // Labels on the riding side of the toe, which stays on the paper.
    const double side = m_panel.mirrored ? 1 : -1;
    text({toe.x(), 0}, QCoreApplication::translate("Templates", "sol"), wordHeight,
         side * groundWordIn, groundWordBelow);
    text({toe.x(), toe.y()}, QCoreApplication::translate("Templates", "pied"), 3, side * 10, -4);
    text({toe.x(), toe.y() + 30}, QCoreApplication::translate("Templates", "verticale du pied"),
         2.5, side * 18, 0);

    // The riding surface, the surface layers above the frame.
    const double t = m_plan.settings.surfaceThickness();
    const double riding = m_curve.frameRadius - t;
    const QPointF lip{m_curve.back, m_curve.deckFrameTop + t};
    Outline surface;
    const double start = 3 * std::numbers::pi / 2;
    if (m_curve.height > m_curve.radius) {
        surface.push_back(Segment::arc(m_curve.pivot, riding, start, -std::numbers::pi / 2));
        surface.push_back(Segment::line(surface.back().to, lip));
    } else {
        const double end = std::atan2(lip.y() - m_curve.pivot.y(), lip.x() - m_curve.pivot.x());
        double sweep = end - start;
        while (sweep <= -2 * std::numbers::pi)
            sweep += 2 * std::numbers::pi;
        while (sweep > 0)
            sweep -= 2 * std::numbers::pi;
        surface.push_back(Segment::arc(m_curve.pivot, riding, start, sweep));
    }
    QPainterPath path = outlinePath(surface);
    stroke(path, 0.15, referenceColour, Qt::DashLine);
    text(lip, QCoreApplication::translate("Templates", "lèvre"), wordHeight, 0, -lipWordAbove);
    stroke(crossPath(lip, lipArm), 0.2, referenceColour);
}

void PanelPainter::drawRibs() {
    for (const TemplateRib& rib : templateRibs(m_curve, m_plan.settings)) {
        QPainterPath section;
        section.moveTo(rib.section[0]);
        for (int k = 1; k < 4; ++k)
            section.lineTo(rib.section[k]);
        section.closeSubpath();
        m_painter.setPen(QPen(ribColour, 0.2 * m_scale));
        m_painter.setBrush(QColor(200, 200, 200, 110));
        m_painter.drawPath(m_toDevice.map(section));
        QPainterPath station;
        station.moveTo(rib.line.p1());
        station.lineTo(rib.line.p2());
        stroke(station, 0.15, ribColour);
        text(rib.labelAt, rib.label, ribLabelSize);
    }
    m_painter.setBrush(Qt::NoBrush);
}

void PanelPainter::drawPipe() {
    if (!m_curve.pipe) return;
    const double r = m_plan.settings.coping / 2;
    Outline circle;
    for (int k = 0; k < 4; ++k)
        circle.push_back(
            Segment::arc(*m_curve.pipe, r, k * std::numbers::pi / 2, std::numbers::pi / 2));
    stroke(outlinePath(circle), 0.2, referenceColour);
    const QPointF c = *m_curve.pipe;
    stroke(crossPath(c, 4), 0.15, referenceColour);
    text({c.x(), c.y() - r},
         QCoreApplication::translate("Templates", "tube Ø %1").arg(lengthCell(2 * r, m_unit)), 2.5,
         0, 4);
}

void PanelPainter::drawSplits() {
    for (const PanelSplit& split : m_curve.splits) {
        QPainterPath cut;
        cut.moveTo(split.from);
        cut.lineTo(split.to);
        stroke(cut, 0.3, splitColour, Qt::DashLine);
        text({(split.from.x() + split.to.x()) / 2, (split.from.y() + split.to.y()) / 2},
             QCoreApplication::translate("Templates", "coupe (éclisse de %1)")
                 .arg(lengthWords(spliceWidth, m_unit)),
             3, 0, -4);
    }
}

void PanelPainter::drawSplicePlates() {
    const int plates = int(m_curve.splicePlates.size());
    for (int i = 0; i < plates; ++i) {
        const Outline& plate = m_curve.splicePlates[std::size_t(i)].outline;
        stroke(outlinePath(plate), 0.2, splitColour, Qt::DotLine);
        text(boundingBox(plate).center(),
             QCoreApplication::translate("Templates", "éclisse %1/%2, face intérieure")
                 .arg(i + 1)
                 .arg(plates),
             3, 0, 4);
    }
}

void PanelPainter::drawPivot(const std::vector<QRectF>& onPaper) {
    const QPointF c = m_curve.pivot;
    const QPointF toe = frameCurve(m_curve).front().from;
    bool shown = false;
    for (const QRectF& r : onPaper)
        shown = shown || (c.x() > r.left() && c.x() < r.right() && c.y() > lowestV(r) &&
                          c.y() < highestV(r));
    const QString height = lengthWords(c.y() - toe.y(), m_unit);
    if (shown) {
        stroke(crossPath(c, 15), 0.3, outlineColour);
        text(c,
             QCoreApplication::translate("Templates", "pivot (rayon du cadre %1)")
                 .arg(lengthWords(m_curve.frameRadius, m_unit)),
             3, 0, -6);
        return;
    }
    // Off the paper: an arrow up the toe's vertical, just above the toe.
    QPainterPath arrow;
    arrow.moveTo(toe.x(), toe.y() + 45);
    arrow.lineTo(toe.x(), toe.y() + 130);
    arrow.moveTo(toe.x() - 4, toe.y() + 120);
    arrow.lineTo(toe.x(), toe.y() + 130);
    arrow.lineTo(toe.x() + 4, toe.y() + 120);
    stroke(arrow, 0.3, outlineColour);
    const double side = m_panel.mirrored ? 1 : -1;
    text({toe.x(), toe.y() + 110},
         QCoreApplication::translate("Templates", "pivot %1 plus haut,").arg(height), 2.8,
         side * 40, 0);
    text({toe.x(), toe.y() + 110},
         QCoreApplication::translate("Templates", "à %1 du sol").arg(lengthWords(c.y(), m_unit)),
         2.8, side * 40, 5);
}

void PanelPainter::drawName() {
    const QPointF at = frameStation(m_curve, m_curve.curveLength / 2).inside(nameDepth);
    text(at, m_panel.name(), 5, 0, -3.5, true);
    text(at, m_panel.countText(), 3.5, 0, 3.5);
}
