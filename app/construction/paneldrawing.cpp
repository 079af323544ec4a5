#include "paneldrawing.h"

#include "constructionwords.h"
#include "framecurve.h"
#include "printedlengths.h"

#include <QCoreApplication>

namespace {
// Chords within this of the true arcs, fine enough for a zoomed view.
constexpr double flatness = 0.25;
// The gap between neighbouring panels, a share of the longest.
constexpr double panelGap = 0.25;

template <typename Points> QList<QPointF> shifted(const Points& points, double du) {
    QList<QPointF> moved;
    for (QPointF p : points)
        moved << QPointF(p.x() + du, p.y());
    return moved;
}

void addPanelShapes(const ConstructionPlan& plan, const CurvePlan& c, double x, Sketch& sketch) {
    sketch.shapes.push_back({shifted(flatten(c.outline, flatness), x), SketchStyle::wood});
    for (double s : c.stations)
        sketch.shapes.push_back(
            {shifted(ribSection(frameStation(c, s), plan.settings.ribWidth, plan.settings.ribDepth),
                     x),
             SketchStyle::rib});
    for (const PanelSplit& split : c.splits)
        sketch.shapes.push_back(
            {shifted(QList<QPointF>{split.from, split.to}, x), SketchStyle::cut, false});
}

void addPanelTexts(const CurvePlan& c, double x, double toeHeight, double top,
                   const QString& caption, LengthUnit unit, Sketch& sketch) {
    const auto words = [unit](double value) { return lengthWords(value, unit); };
    // The pivot lies straight above the toe, usually far above the panel.
    sketch.shapes.push_back(
        {{QPointF(x + c.panelLength, toeHeight), QPointF(x + c.panelLength, top)},
         SketchStyle::arrow,
         false});
    sketch.labels.push_back({QPointF(x + c.panelLength, top),
                             QCoreApplication::translate("PanelDrawing", "centre à %1 du sol ↑")
                                 .arg(words(c.pivot.y())),
                             Qt::AlignRight | Qt::AlignBottom});
    sketch.labels.push_back({QPointF(x, top), caption, Qt::AlignLeft | Qt::AlignBottom, -2});
    sketch.labels.push_back({QPointF(x, top),
                             QCoreApplication::translate("PanelDrawing", "rayon %1, hauteur %2")
                                 .arg(words(c.radius), words(c.height)),
                             Qt::AlignLeft | Qt::AlignBottom, -1});
    sketch.dimensions.push_back(
        {QPointF(x, 0), QPointF(x + c.panelLength, 0), lengthCell(c.panelLength, unit)});
    sketch.dimensions.push_back(
        {QPointF(x, c.panelHeight), QPointF(x, 0), lengthCell(c.panelHeight, unit)});
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

Sketch panelSketch(const ConstructionPlan& plan, LengthUnit unit) {
    Sketch sketch;
    double longest = 0, tallest = 0;
    for (const DistinctPanel& panel : plan.panels) {
        longest = std::max(longest, plan.curves[panel.curve]->panelLength);
        tallest = std::max(tallest, plan.curves[panel.curve]->panelHeight);
    }
    const QStringList captions = panelCaptions(plan);
    double x = 0;
    for (std::size_t i = 0; i < plan.panels.size(); ++i) {
        const CurvePlan& c = *plan.curves[plan.panels[i].curve];
        addPanelShapes(plan, c, x, sketch);
        addPanelTexts(c, x, plan.settings.flat, tallest, captions[qsizetype(i)], unit, sketch);
        x += c.panelLength + longest * panelGap;
    }
    sketch.world = QRectF(0, 0, std::max(x - longest * panelGap, 0.0), tallest);
    return sketch;
}

PanelDrawing::PanelDrawing(QWidget* parent)
    : SketchView(parent) {
    setObjectName(QStringLiteral("panelDrawing"));
}

void PanelDrawing::setPlan(std::shared_ptr<const ConstructionPlan> plan, LengthUnit unit) {
    setSketch(plan ? panelSketch(*plan, unit) : Sketch{});
}
