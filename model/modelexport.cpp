#include "modelexport.h"

#include "outputfile.h"
#include "quarvelerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <array>
#include <cstring>
#include <limits>
#include <map>
#include <sstream>
#include <tiny_gltf.h>

namespace {

struct MaterialLook {
    const char* name;
    std::array<double, 4> colour; // linear RGBA
    double metallic;
    double roughness;
};

// Indexed by Material.
constexpr MaterialLook looks[3] = {
    {"plywood", {0.80, 0.62, 0.38, 1}, 0, 0.8},
    {"timber", {0.58, 0.40, 0.22, 1}, 0, 0.9},
    {"steel", {0.55, 0.56, 0.58, 1}, 1, 0.4},
};

constexpr int arrayBuffer = 34962;
constexpr int elementArrayBuffer = 34963;
constexpr double metresPerMillimetre = 0.001;

// The ramp's frame to glTF's: (x, y, z) -> (x, z, -y). For a rotation's
// quaternion the vector part turns the same way.
std::array<double, 3> toGltf(const QVector3D& v) {
    return {v.x(), v.z(), -v.y()};
}

void append(std::vector<unsigned char>& data, const void* bytes, std::size_t size) {
    const auto* p = static_cast<const unsigned char*>(bytes);
    data.insert(data.end(), p, p + size);
}

// The accessors of one mesh's positions and triangles, returned as indices.
std::pair<int, int> addMeshData(tinygltf::Model& gltf, const Mesh& mesh) {
    std::vector<unsigned char>& data = gltf.buffers[0].data;
    tinygltf::BufferView positions;
    positions.buffer = 0;
    positions.byteOffset = data.size();
    positions.target = arrayBuffer;
    std::vector<double> lower(3, std::numeric_limits<double>::max());
    std::vector<double> upper(3, std::numeric_limits<double>::lowest());
    for (const QVector3D& v : mesh.vertices) {
        const std::array<double, 3> p = toGltf(v);
        for (int axis = 0; axis < 3; ++axis) {
            const float f = float(p[std::size_t(axis)] * metresPerMillimetre);
            append(data, &f, sizeof f);
            lower[std::size_t(axis)] = std::min(lower[std::size_t(axis)], double(f));
            upper[std::size_t(axis)] = std::max(upper[std::size_t(axis)], double(f));
        }
    }
    positions.byteLength = data.size() - positions.byteOffset;

    tinygltf::BufferView indices;
    indices.buffer = 0;
    indices.byteOffset = data.size();
    indices.target = elementArrayBuffer;
    for (const auto& t : mesh.triangles)
        append(data, t.data(), sizeof t);
    indices.byteLength = data.size() - indices.byteOffset;

    tinygltf::Accessor position;
    position.bufferView = int(gltf.bufferViews.size());
    position.componentType = TINYGLTF_COMPONENT_TYPE_FLOAT;
    position.type = TINYGLTF_TYPE_VEC3;
    position.count = mesh.vertices.size();
    position.minValues = lower;
    position.maxValues = upper;
    gltf.bufferViews.push_back(positions);

    tinygltf::Accessor index;
    index.bufferView = int(gltf.bufferViews.size());
    index.componentType = TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT;
    index.type = TINYGLTF_TYPE_SCALAR;
    index.count = 3 * mesh.triangles.size();
    gltf.bufferViews.push_back(indices);

    gltf.accessors.push_back(position);
    gltf.accessors.push_back(index);
    return {int(gltf.accessors.size()) - 2, int(gltf.accessors.size()) - 1};
}

void addMaterials(tinygltf::Model& gltf) {
    for (const MaterialLook& look : looks) {
        tinygltf::Material material;
        material.name = look.name;
        material.pbrMetallicRoughness.baseColorFactor.assign(look.colour.begin(),
                                                             look.colour.end());
        material.pbrMetallicRoughness.metallicFactor = look.metallic;
        material.pbrMetallicRoughness.roughnessFactor = look.roughness;
        gltf.materials.push_back(material);
    }
}

tinygltf::Node nodeOf(const ModelPart& part, int mesh) {
    tinygltf::Node node;
    node.name = part.name.toStdString();
    node.mesh = mesh;
    const QQuaternion q = part.placement.rotation.normalized();
    if (!q.isIdentity()) {
        const std::array<double, 3> axis = toGltf(q.vector());
        node.rotation = {axis[0], axis[1], axis[2], q.scalar()};
    }
    const std::array<double, 3> at = toGltf(part.placement.translation);
    node.translation = {at[0] * metresPerMillimetre, at[1] * metresPerMillimetre,
                        at[2] * metresPerMillimetre};
    return node;
}

// Enough digits to give the float back.
QByteArray objNumber(float value) {
    return QByteArray::number(double(value), 'g', 9);
}

} // namespace

QByteArray modelGlb(const RampModel& model) {
    tinygltf::Model gltf;
    gltf.asset.version = "2.0";
    gltf.asset.generator = "Quarvel";
    gltf.buffers.emplace_back();
    addMaterials(gltf);

    // A glTF mesh carries its material: one for each mesh and material used.
    std::vector<std::pair<int, int>> meshData(model.meshes.size(), {-1, -1});
    std::map<std::pair<int, Material>, int> gltfMeshes;
    tinygltf::Scene scene;
    for (const ModelPart& part : model.parts) {
        auto found = gltfMeshes.find({part.mesh, part.material});
        if (found == gltfMeshes.end()) {
            auto& data = meshData[std::size_t(part.mesh)];
            if (data.first < 0) data = addMeshData(gltf, model.meshes[std::size_t(part.mesh)]);
            tinygltf::Primitive primitive;
            primitive.attributes["POSITION"] = data.first;
            primitive.indices = data.second;
            primitive.material = int(part.material);
            primitive.mode = TINYGLTF_MODE_TRIANGLES;
            tinygltf::Mesh mesh;
            mesh.primitives.push_back(primitive);
            found = gltfMeshes.insert({{part.mesh, part.material}, int(gltf.meshes.size())}).first;
            gltf.meshes.push_back(mesh);
        }
        scene.nodes.push_back(int(gltf.nodes.size()));
        gltf.nodes.push_back(nodeOf(part, found->second));
    }
    gltf.scenes.push_back(scene);
    gltf.defaultScene = 0;
    if (gltf.buffers[0].data.empty()) gltf.buffers.clear();

    std::ostringstream stream;
    tinygltf::TinyGLTF writer;
    if (!writer.WriteGltfSceneToStream(&gltf, stream, false, true) || !stream)
        throw QuarvelError(
            QCoreApplication::translate("RampModel", "Le modèle 3D n'a pas pu être écrit"));
    const std::string bytes = stream.str();
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

ObjFiles modelObj(const RampModel& model, const QString& mtlFileName) {
    ObjFiles files;
    for (const MaterialLook& look : looks) {
        files.mtl += "newmtl " + QByteArray(look.name) + "\nKd";
        for (int c = 0; c < 3; ++c)
            files.mtl += ' ' + QByteArray::number(look.colour[std::size_t(c)]);
        files.mtl += '\n';
    }

    QByteArray& obj = files.obj;
    obj = "mtllib " + mtlFileName.toUtf8() + '\n';
    quint64 first = 1; // OBJ counts vertices from 1 across the whole file
    for (const ModelPart& part : model.parts) {
        const Mesh& mesh = model.meshes[std::size_t(part.mesh)];
        obj += "g " + part.name.toUtf8() + "\nusemtl " + looks[int(part.material)].name + '\n';
        for (const QVector3D& v : mesh.vertices) {
            const QVector3D p = part.placement.map(v);
            obj += "v " + objNumber(p.x()) + ' ' + objNumber(p.y()) + ' ' + objNumber(p.z()) + '\n';
        }
        for (const auto& t : mesh.triangles)
            obj += "f " + QByteArray::number(first + t[0]) + ' ' +
                   QByteArray::number(first + t[1]) + ' ' + QByteArray::number(first + t[2]) + '\n';
        first += mesh.vertices.size();
    }
    return files;
}

QString mtlPathFor(const QString& objPath) {
    const QFileInfo info(objPath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".mtl"));
}

void writeModelFile(const RampModel& model, const QString& path, FileKinds kinds) {
    if (path.endsWith(QStringLiteral(".glb"), Qt::CaseInsensitive)) {
        writeOutputFile(path, modelGlb(model), kinds);
    } else if (path.endsWith(QStringLiteral(".obj"), Qt::CaseInsensitive)) {
        const QString mtlPath = mtlPathFor(path);
        const ObjFiles files = modelObj(model, QFileInfo(mtlPath).fileName());
        writeOutputFile(mtlPath, files.mtl, kinds);
        writeOutputFile(path, files.obj, kinds);
    } else {
        throw QuarvelError(
            QCoreApplication::translate("RampModel", "Le modèle 3D s'écrit en .glb ou en .obj : %1")
                .arg(path));
    }
}
