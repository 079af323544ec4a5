#include "modelpicture.h"

#include "depthraster.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace {

// Faces meeting at less than this are one surface (the chords of an arc,
// the two triangles of a flat face); from this angle their edge is drawn.
const float coplanarCosine = std::cos(0.5f * 3.14159265f / 180);
const float sharpCosine = std::cos(30.0f * 3.14159265f / 180);

// The light comes from the upper left, over the eye's shoulder.
const QVector3D lightFromView = QVector3D(-0.35f, 0.6f, -0.72f).normalized();
constexpr float ambient = 0.45f;
constexpr float diffuse = 0.55f;
constexpr float edgeDarkness = 0.35f;
// How far a part not highlighted fades toward the background.
constexpr float paleness = 0.7f;
constexpr QRgb background = 0xFFFFFFFF;
// The empty border around the model, as a share of the picture's smaller side.
constexpr double marginShare = 0.03;
// A picture is drawn this many rows at a time, with the depth of one band
// (some 230 KB for a picture 900 pixels wide, where the whole picture's
// would be ten times that): fresh memory costs a one-off run more than
// going over the triangles once a band.
constexpr int bandRows = 64;

// Indexed by Material: plywood, timber, steel.
const QVector3D materialColours[3] = {{226, 196, 150}, {186, 136, 86}, {140, 148, 158}};

QRgb toRgb(const QVector3D& c) {
    return qRgb(std::clamp(int(c.x() + 0.5f), 0, 255), std::clamp(int(c.y() + 0.5f), 0, 255),
                std::clamp(int(c.z() + 0.5f), 0, 255));
}

QVector3D paled(const QVector3D& c) {
    const QVector3D back(qRed(background), qGreen(background), qBlue(background));
    return c * (1 - paleness) + back * paleness;
}

struct LocalEdge {
    quint32 from, to, left, right;
    bool sharp;
};

std::vector<LocalEdge> meshEdges(const Mesh& mesh) {
    std::vector<QVector3D> normals;
    normals.reserve(mesh.triangles.size());
    for (const auto& t : mesh.triangles) {
        const QVector3D a = mesh.vertices[t[0]], b = mesh.vertices[t[1]], c = mesh.vertices[t[2]];
        normals.push_back(QVector3D::crossProduct(b - a, c - a).normalized());
    }
    std::vector<LocalEdge> edges;
    std::unordered_map<quint64, quint32> firstSeen; // edge -> its first triangle
    for (quint32 i = 0; i < mesh.triangles.size(); ++i) {
        const auto& t = mesh.triangles[i];
        for (int k = 0; k < 3; ++k) {
            const quint32 a = t[std::size_t(k)], b = t[std::size_t((k + 1) % 3)];
            const quint64 key = (quint64(std::min(a, b)) << 32) | std::max(a, b);
            const auto [it, first] = firstSeen.emplace(key, i);
            if (first) continue;
            const float cosine = QVector3D::dotProduct(normals[it->second], normals[i]);
            if (cosine < coplanarCosine)
                edges.push_back({a, b, it->second, i, cosine < sharpCosine});
        }
    }
    return edges;
}

std::vector<bool> partsWhere(const RampModel& model, auto&& wanted) {
    std::vector<bool> mask;
    mask.reserve(model.parts.size());
    for (const ModelPart& part : model.parts)
        mask.push_back(wanted(part));
    return mask;
}

} // namespace

ModelPicture::ModelPicture(const RampModel& model) {
    std::unordered_map<int, std::vector<LocalEdge>> edgesOfMesh;
    for (std::size_t p = 0; p < model.parts.size(); ++p) {
        const ModelPart& part = model.parts[p];
        const Mesh& mesh = model.meshes[std::size_t(part.mesh)];
        const auto base = quint32(m_vertices.size());
        const auto firstTriangle = quint32(m_triangles.size());
        for (const QVector3D& v : mesh.vertices)
            m_vertices.push_back(part.placement.map(v));
        for (const auto& t : mesh.triangles) {
            const std::array<quint32, 3> corners{base + t[0], base + t[1], base + t[2]};
            const QVector3D a = m_vertices[corners[0]], b = m_vertices[corners[1]],
                            c = m_vertices[corners[2]];
            m_triangles.push_back(
                {corners, QVector3D::crossProduct(b - a, c - a).normalized(), int(p)});
        }
        auto found = edgesOfMesh.find(part.mesh);
        if (found == edgesOfMesh.end())
            found = edgesOfMesh.emplace(part.mesh, meshEdges(mesh)).first;
        for (const LocalEdge& e : found->second)
            m_edges.push_back({base + e.from, base + e.to, firstTriangle + e.left,
                               firstTriangle + e.right, e.sharp});
        m_materials.push_back(part.material);
    }
}

ModelProjection ModelPicture::projection(const PictureOptions& options) const {
    return projection(options.angles, options.size, options.zoom);
}

ModelProjection ModelPicture::projection(ViewAngles angles, QSize size, double zoom) const {
    ModelProjection projection(angles);
    const double margin = std::max(2.0, marginShare * std::min(size.width(), size.height()));
    projection.fit(m_vertices, size, margin);
    projection.zoom(zoom, QPointF(size.width() / 2.0, size.height() / 2.0));
    return projection;
}

QImage ModelPicture::draw(const PictureOptions& options) {
    QImage image(options.size, QImage::Format_RGB32);
    drawInto(image, options);
    return image;
}

void ModelPicture::drawInto(QImage& image, const PictureOptions& options) {
    if (image.isNull()) return;
    image.fill(background);
    const ModelProjection view = projection(options.angles, image.size(), options.zoom);
    const auto marked = [](const std::vector<bool>& mask, int part) {
        return std::size_t(part) < mask.size() && mask[std::size_t(part)];
    };
    const auto shown = [&](int part) {
        return options.shown.empty() || marked(options.shown, part);
    };
    const bool anyHighlighted = std::find(options.highlighted.begin(), options.highlighted.end(),
                                          true) != options.highlighted.end();
    const auto pale = [&](int part) {
        return anyHighlighted && !marked(options.highlighted, part);
    };

    std::vector<DepthRaster::Vertex> corners(m_vertices.size());
    for (std::size_t i = 0; i < m_vertices.size(); ++i) {
        const QPointF p = view.toPixel(m_vertices[i]);
        corners[i] = {float(p.x()), float(p.y()), view.depth(m_vertices[i])};
    }
    const QVector3D light = (view.right() * lightFromView.x() + view.up() * lightFromView.y() +
                             view.away() * lightFromView.z())
                                .normalized();

    // What is drawn, worked out once for all the bands.
    std::vector<char> facing(m_triangles.size(), 0);
    std::vector<std::pair<std::size_t, QRgb>> faces;
    for (std::size_t i = 0; i < m_triangles.size(); ++i) {
        const Triangle& t = m_triangles[i];
        facing[i] = QVector3D::dotProduct(t.normal, view.away()) < 0;
        if (!facing[i] || !shown(t.part)) continue;
        const float lit =
            ambient + diffuse * std::max(0.0f, QVector3D::dotProduct(t.normal, light));
        QVector3D colour = materialColours[int(m_materials[std::size_t(t.part)])] * lit;
        if (pale(t.part)) colour = paled(colour);
        faces.emplace_back(i, toRgb(colour));
    }
    std::vector<std::pair<const Edge*, QRgb>> lines;
    for (const Edge& e : m_edges) {
        const int part = m_triangles[e.left].part;
        if (!shown(part)) continue;
        const bool outline = facing[e.left] != facing[e.right];
        if (!outline && !(e.sharp && facing[e.left])) continue;
        QVector3D colour = materialColours[int(m_materials[std::size_t(part)])] * edgeDarkness;
        if (pale(part)) colour = paled(colour);
        lines.emplace_back(&e, toRgb(colour));
    }

    // An edge lies on its faces: it may stand as far behind what the depth
    // holds as a face's depth changes over a pixel.
    const float slack = float(1 / std::max(view.scale(), 1e-9) + 0.5);
    for (int top = 0; top < image.height(); top += bandRows) {
        DepthRaster raster(image, m_depth, top, bandRows);
        for (const auto& [i, colour] : faces) {
            const Triangle& t = m_triangles[i];
            raster.fillTriangle(corners[t.corners[0]], corners[t.corners[1]], corners[t.corners[2]],
                                colour);
        }
        for (const auto& [e, colour] : lines)
            raster.drawLine(corners[e->from], corners[e->to], colour, slack);
    }
}

std::vector<bool> partsOfKind(const RampModel& model, PartKind kind) {
    return partsWhere(model, [&](const ModelPart& part) { return part.kind == kind; });
}

std::vector<bool> partsOfStep(const RampModel& model, int step) {
    return partsWhere(model, [&](const ModelPart& part) { return part.step == step; });
}

std::vector<bool> partsUpToStep(const RampModel& model, int step) {
    return partsWhere(model, [&](const ModelPart& part) { return part.step <= step; });
}
