#pragma once

#include "mesh.h"

#include <QString>

#include <cmath>

#include <map>
#include <utility>

// What is wrong with a mesh as the surface of a solid, or an empty text:
// every edge must be run by exactly two triangles, once in each direction
// (closed, each triangle wound like its neighbours), and no triangle may
// repeat a corner.
inline QString meshFault(const Mesh& mesh) {
    if (mesh.triangles.empty()) return QStringLiteral("no triangles");
    std::map<std::pair<quint32, quint32>, int> runs;
    for (const auto& t : mesh.triangles) {
        for (int i = 0; i < 3; ++i) {
            if (t[i] >= mesh.vertices.size()) return QStringLiteral("corner out of range");
            if (t[i] == t[(i + 1) % 3]) return QStringLiteral("repeated corner");
            ++runs[{t[i], t[(i + 1) % 3]}];
        }
    }
    for (const auto& [edge, count] : runs) {
        if (count != 1)
            return QStringLiteral("edge %1-%2 run %3 times the same way")
                .arg(edge.first)
                .arg(edge.second)
                .arg(count);
        const auto back = runs.find({edge.second, edge.first});
        if (back == runs.end() || back->second != 1)
            return QStringLiteral("edge %1-%2 not run back").arg(edge.first).arg(edge.second);
    }
    return {};
}

// The area of all the triangles, each counted as positive: larger than the
// solid's surface when faces fold over each other.
inline double surfaceArea(const Mesh& mesh) {
    double area = 0;
    for (const auto& t : mesh.triangles) {
        const QVector3D a = mesh.vertices[t[0]], b = mesh.vertices[t[1]], c = mesh.vertices[t[2]];
        area += double(QVector3D::crossProduct(b - a, c - a).length()) / 2;
    }
    return area;
}
