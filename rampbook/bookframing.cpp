#include "bookframing.h"

#include "printedlengths.h"

#include <QPainter>

namespace {

// Room kept left of and below the view for its dimension texts, in mm.
constexpr double dimensionBand = 8;
constexpr double labelHeight = 2.6;
constexpr double tick = 1.5;

bool isPanel(PartKind kind) {
    return kind == PartKind::Panel || kind == PartKind::SplicePlate;
}

// A model point on the page's plane: x, then y (above) or z (side).
QPointF projected(const QVector3D& p, FramingSide side) {
    return QPointF(p.x(), side == FramingSide::Above ? p.y() : p.z());
}

// Whether a triangle faces the viewer: above, its normal points up; from the
// side, toward the profile's viewer (-y).
bool facesViewer(const QVector3D& normal, FramingSide side) {
    return side == FramingSide::Above ? normal.z() > 0 : normal.y() < 0;
}

QPainterPath partOutline(const Mesh& mesh, const Placement& placement, FramingSide side) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const auto& t : mesh.triangles) {
        const QVector3D a = placement.map(mesh.vertices[t[0]]);
        const QVector3D b = placement.map(mesh.vertices[t[1]]);
        const QVector3D c = placement.map(mesh.vertices[t[2]]);
        if (!facesViewer(QVector3D::crossProduct(b - a, c - a), side)) continue;
        path.moveTo(projected(a, side));
        path.lineTo(projected(b, side));
        path.lineTo(projected(c, side));
        path.closeSubpath();
    }
    return path;
}

} // namespace

FramingView framingView(const RampModel& model, const std::vector<bool>& shown, FramingSide side) {
    FramingView view;
    for (bool panels : {true, false})
        for (std::size_t i = 0; i < model.parts.size(); ++i) {
            const ModelPart& part = model.parts[i];
            if (i >= shown.size() || !shown[i] || isPanel(part.kind) != panels) continue;
            FramingPart drawn{
                part.kind, partOutline(model.meshes[std::size_t(part.mesh)], part.placement, side)};
            if (drawn.outline.isEmpty()) continue;
            const QRectF box = drawn.outline.boundingRect();
            view.extent = view.extent.isNull() ? box : view.extent.united(box);
            view.parts.push_back(std::move(drawn));
        }
    return view;
}

double framingViewHeight(const FramingView& view, double width) {
    if (view.extent.width() <= 0) return dimensionBand;
    const double scale = (width - dimensionBand) / view.extent.width();
    return view.extent.height() * scale + dimensionBand;
}

void drawFramingView(BookCanvas& canvas, const FramingView& view, LengthUnit unit) {
    if (view.extent.width() <= 0) return;
    const double scale = (canvas.size().width() - dimensionBand) / view.extent.width();
    const QRectF shown(dimensionBand, 0, view.extent.width() * scale, view.extent.height() * scale);
    QPainter& p = canvas.painter();
    p.save();
    // Model mm (up the page) to the canvas's mm (down the page).
    QTransform toCanvas;
    toCanvas.translate(shown.left(), shown.bottom());
    toCanvas.scale(scale, -scale);
    toCanvas.translate(-view.extent.left(), -view.extent.top());
    p.setPen(Qt::NoPen);
    for (const FramingPart& part : view.parts) {
        p.setBrush(isPanel(part.kind) ? QColor(0xe8, 0xd2, 0xa6) : QColor(0x8a, 0x5a, 0x2b));
        p.drawPath(toCanvas.map(part.outline));
    }
    p.restore();
    // The overall length below, the width or height on the left.
    p.drawLine(QLineF(shown.left(), shown.bottom() + tick, shown.right(), shown.bottom() + tick));
    canvas.text(lengthWords(view.extent.width(), unit),
                QPointF(shown.center().x(), shown.bottom() + tick + 0.5),
                Qt::AlignHCenter | Qt::AlignTop, labelHeight);
    p.drawLine(QLineF(shown.left() - tick, shown.top(), shown.left() - tick, shown.bottom()));
    canvas.text(lengthWords(view.extent.height(), unit),
                QPointF(shown.left() - tick - 0.5, shown.center().y()),
                Qt::AlignHCenter | Qt::AlignBottom, labelHeight, -90);
}
