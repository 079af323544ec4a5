#pragma once

#include "filekinds.h"

#include "rampmodel.h"

#include <QByteArray>
#include <QString>

// The model as files for other 3D programs.

// glTF 2.0 binary (.glb): metres, +Y up (glTF's (x, y, z) is the ramp's
// (x, z, -y)), one node per part named as the part, the meshes of identical
// parts shared, three materials: plywood, timber, steel. No normals: a
// reader shades each triangle flat, as the picture does.
QByteArray modelGlb(const RampModel& model);

// Wavefront OBJ and its material library, millimetres in the ramp's own
// frame (z up), one group per part named as the part, each part's triangles
// placed (OBJ shares nothing). mtlFileName is the name the OBJ refers to.
struct ObjFiles {
    QByteArray obj;
    QByteArray mtl;
};
ObjFiles modelObj(const RampModel& model, const QString& mtlFileName);

// The material library's name beside an OBJ file: "ramp.obj" -> "ramp.mtl".
QString mtlPathFor(const QString& objPath);

// Writes OUT.glb, or OUT.obj and its .mtl beside it, chosen by the
// extension (the window passes FileKinds::RegularOnly). Throws QuarvelError
// for another extension or a failed write.
void writeModelFile(const RampModel& model, const QString& path, FileKinds kinds);
