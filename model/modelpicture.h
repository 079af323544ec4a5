#pragma once

#include "modelprojection.h"
#include "rampmodel.h"

#include <QImage>
#include <QSize>

#include <vector>

struct PictureOptions {
    ViewAngles angles = viewAngles(ModelView::Isometric);
    QSize size{1200, 800};
    // Magnification about the picture's centre: 1 fits the whole model.
    double zoom = 1;
    // Per part, in the model's order (parts past its end count as false);
    // empty: every part. The picture is framed on the whole model, shown or
    // not, so that pictures of the assembly steps line up.
    std::vector<bool> shown;
    // Per part; empty: none. When any part is highlighted, the others are
    // drawn paler.
    std::vector<bool> highlighted;
};

// Pictures of a model without a GPU: its triangles placed once, then drawn
// from any side in parallel projection, each face flat-shaded by its slope
// to the light, behind-faces hidden by a depth buffer, with the edges where
// faces meet at an angle and the outlines of round parts.
class ModelPicture {
public:
    explicit ModelPicture(const RampModel& model);

    // The projection a picture with these options uses.
    ModelProjection projection(const PictureOptions& options) const;
    ModelProjection projection(ViewAngles angles, QSize size, double zoom = 1) const;

    // A new picture of options.size.
    QImage draw(const PictureOptions& options);
    // Draws over image, at its own size (options.size is not used): a picture
    // after another reuses the memory of both the image and the depth.
    void drawInto(QImage& image, const PictureOptions& options);

    // Each placed triangle's corners in the ramp's frame, part by part, in
    // the model's order.
    const std::vector<QVector3D>& vertices() const { return m_vertices; }
    struct Triangle {
        std::array<quint32, 3> corners;
        QVector3D normal; // unit, outward
        int part = 0;
    };
    const std::vector<Triangle>& triangles() const { return m_triangles; }

private:
    // An edge between two triangles that do not lie in one plane.
    struct Edge {
        quint32 from = 0;
        quint32 to = 0;
        quint32 left = 0; // the two triangles
        quint32 right = 0;
        bool sharp = false; // drawn whenever seen; others only on an outline
    };

    std::vector<QVector3D> m_vertices;
    std::vector<Triangle> m_triangles;
    std::vector<Edge> m_edges;
    std::vector<Material> m_materials; // per part
    std::vector<float> m_depth;        // kept from one picture to the next
};

// The parts of one kind, or of one step, as masks for PictureOptions.
std::vector<bool> partsOfKind(const RampModel& model, PartKind kind);
std::vector<bool> partsOfStep(const RampModel& model, int step);
std::vector<bool> partsUpToStep(const RampModel& model, int step);
