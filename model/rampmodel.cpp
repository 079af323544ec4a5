#include "rampmodel.h"

#include <algorithm>
#include <limits>

Material materialOf(PartKind kind) {
    switch (kind) {
    case PartKind::Panel:
    case PartKind::SplicePlate:
    case PartKind::SurfacePiece:
        return Material::Plywood;
    case PartKind::Coping:
        return Material::Steel;
    case PartKind::Rib:
    case PartKind::Joist:
    case PartKind::CopingBlock:
    case PartKind::Rim:
    case PartKind::Stringer:
    case PartKind::Leg:
    case PartKind::Brace:
        break;
    }
    return Material::Timber;
}

ModelBounds modelBounds(const RampModel& model) {
    constexpr float far = std::numeric_limits<float>::max();
    QVector3D lower(far, far, far), upper(-far, -far, -far);
    bool any = false;
    for (const ModelPart& part : model.parts) {
        for (const QVector3D& v : model.meshes[std::size_t(part.mesh)].vertices) {
            const QVector3D p = part.placement.map(v);
            for (int axis = 0; axis < 3; ++axis) {
                lower[axis] = std::min(lower[axis], p[axis]);
                upper[axis] = std::max(upper[axis], p[axis]);
            }
            any = true;
        }
    }
    if (!any) return {};
    return {lower, upper};
}

qsizetype placedTriangleCount(const RampModel& model) {
    qsizetype count = 0;
    for (const ModelPart& part : model.parts)
        count += qsizetype(model.meshes[std::size_t(part.mesh)].triangles.size());
    return count;
}

std::vector<bool> partsCountedIn(const RampModel& model, const QStringList& articles) {
    if (articles.isEmpty()) return {};
    std::vector<bool> counted;
    counted.reserve(model.parts.size());
    for (const ModelPart& part : model.parts)
        counted.push_back(articles.contains(part.article));
    return counted;
}
