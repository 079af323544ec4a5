#include "framingdrawing.h"

#include "outline.h"
#include "printedlengths.h"

#include <algorithm>
#include <QCoreApplication>

namespace {
bool seenFromAbove(PartKind kind) {
    return kind != PartKind::SurfacePiece && kind != PartKind::Coping && kind != PartKind::Brace;
}

// A part's outline from above: the box around its placed points in x and y.
// Ribs turn about the ramp's width only, so that box is their true outline.
QRectF topOutline(const RampModel& model, const ModelPart& part) {
    double left = 0, right = 0, near = 0, far = 0;
    bool first = true;
    for (const QVector3D& v : model.meshes[std::size_t(part.mesh)].vertices) {
        const QVector3D p = part.placement.map(v);
        left = first ? p.x() : std::min(left, double(p.x()));
        right = first ? p.x() : std::max(right, double(p.x()));
        near = first ? p.y() : std::min(near, double(p.y()));
        far = first ? p.y() : std::max(far, double(p.y()));
        first = false;
    }
    return QRectF(QPointF(left, near), QPointF(right, far));
}

void addPart(const QRectF& box, PartKind kind, Sketch& sketch) {
    sketch.shapes.push_back({{box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()},
                             kind == PartKind::Panel || kind == PartKind::SplicePlate
                                 ? SketchStyle::wood
                                 : SketchStyle::rib});
}
} // namespace

Sketch framingSketch(const RampModel& model, LengthUnit unit) {
    Sketch sketch;
    QRectF all;
    // Panels first: the timber between them drawn over their edges.
    for (bool panels : {true, false})
        for (const ModelPart& part : model.parts) {
            if (!seenFromAbove(part.kind)) continue;
            if ((part.kind == PartKind::Panel || part.kind == PartKind::SplicePlate) != panels)
                continue;
            const QRectF box = topOutline(model, part);
            addPart(box, part.kind, sketch);
            all = all.isNull() ? box : all.united(box);
        }
    if (sketch.shapes.empty()) return sketch;
    sketch.world = all;
    sketch.dimensions.push_back({QPointF(all.left(), lowestV(all)),
                                 QPointF(all.right(), lowestV(all)),
                                 lengthCell(all.width(), unit)});
    sketch.dimensions.push_back({QPointF(all.left(), highestV(all)),
                                 QPointF(all.left(), lowestV(all)),
                                 lengthCell(all.height(), unit)});
    sketch.labels.push_back(
        {QPointF(all.left(), highestV(all)),
         QCoreApplication::translate(
             "FramingDrawing", "Vue de dessus, sans la surface ; en bas, le côté vu de profil"),
         Qt::AlignLeft | Qt::AlignBottom});
    return sketch;
}

FramingDrawing::FramingDrawing(QWidget* parent)
    : SketchView(parent) {
    setObjectName(QStringLiteral("framingDrawing"));
}

void FramingDrawing::setModel(const RampModel* model, LengthUnit unit) {
    setSketch(model ? framingSketch(*model, unit) : Sketch{});
}
