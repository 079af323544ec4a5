#pragma once

#include "mesh.h"

#include <QQuaternion>
#include <QString>
#include <QStringList>
#include <QVector3D>

#include <vector>

// The built ramp as solids: every physical piece of the plan one part, in the
// ramp's right-handed frame, millimetres: x along the ramp from the left
// deck's back end toward the right deck, y across it from the side nearest a
// viewer of the profile (so away from that viewer), z up from the ground.

enum class PartKind {
    Panel,
    SplicePlate,
    Rib,
    Joist,
    CopingBlock,
    Rim,
    Stringer,
    Leg,
    Brace,
    SurfacePiece,
    Coping
};

enum class Material { Plywood, Timber, Steel };

// What a kind of part is made of.
Material materialOf(PartKind kind);

// The assembly steps, in the order a builder works.
constexpr int firstStep = 1;
constexpr int lastStep = 7;

// Where a mesh stands in the ramp: a point p of the mesh lies at
// rotation * p + translation.
struct Placement {
    QQuaternion rotation;
    QVector3D translation;

    QVector3D map(const QVector3D& p) const { return rotation.rotatedVector(p) + translation; }
};

struct ModelPart {
    QString name;    // as the cut list names it, with its number: "Flanc courbe gauche 3"
    QString article; // the cut list's row it is counted in: "Flanc courbe gauche"
    PartKind kind = PartKind::Panel;
    int step = firstStep; // 1 panels ... 7 coping
    Material material = Material::Plywood;
    int mesh = 0; // into RampModel::meshes; identical parts share one
    Placement placement;
};

struct RampModel {
    std::vector<Mesh> meshes;
    std::vector<ModelPart> parts;
};

struct ModelBounds {
    QVector3D lower;
    QVector3D upper;
    QVector3D size() const { return upper - lower; }
};

// The box around every placed vertex (all zero for an empty model).
ModelBounds modelBounds(const RampModel& model);

// Per part: whether it is counted in one of these cut-list articles (none
// given: an empty list, nothing highlighted).
std::vector<bool> partsCountedIn(const RampModel& model, const QStringList& articles);

// The number of triangles of all parts, each placed copy counted.
qsizetype placedTriangleCount(const RampModel& model);
