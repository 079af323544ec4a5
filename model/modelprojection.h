#pragma once

#include <QPointF>
#include <QSize>
#include <QStringView>
#include <QVector3D>

#include <optional>
#include <vector>

// Which way the ramp is looked at, in degrees. Yaw 0, pitch 0 looks along +y
// at the profile, as the main window shows it (x to the right, z up); a
// positive yaw swings the eye round toward the left deck's end (90: looking
// along +x), a positive pitch raises it (90: looking straight down, y up
// the picture).
struct ViewAngles {
    double yaw = 0;
    double pitch = 0;
};

enum class ModelView {
    Isometric, // from the left end, the viewer's side and above, all axes alike
    Front,     // along the ramp from the left deck's end
    Side,      // the profile
    Top
};

ViewAngles viewAngles(ModelView view);

// "iso", "front", "side" or "top".
std::optional<ModelView> parseModelView(QStringView name);

// A parallel projection of the ramp's frame (mm) onto a picture (pixels, y
// down) with each point's depth (mm, growing away from the eye).
class ModelProjection {
public:
    explicit ModelProjection(ViewAngles angles);

    // Scaled and moved so that the points fill the picture less a margin on
    // every side, centred.
    void fit(const std::vector<QVector3D>& points, QSize picture, double margin);
    // Magnified by factor, the pixel `about` staying where it is.
    void zoom(double factor, QPointF about);

    QPointF toPixel(const QVector3D& p) const {
        return {m_origin.x() + m_scale * double(QVector3D::dotProduct(m_right, p)),
                m_origin.y() - m_scale * double(QVector3D::dotProduct(m_up, p))};
    }
    float depth(const QVector3D& p) const { return QVector3D::dotProduct(m_away, p); }
    // The picture's axes in the ramp's frame, unit vectors: to the right, up,
    // and the direction the eye looks in.
    const QVector3D& right() const { return m_right; }
    const QVector3D& up() const { return m_up; }
    const QVector3D& away() const { return m_away; }
    double scale() const { return m_scale; } // pixels per mm

private:
    QVector3D m_right;
    QVector3D m_up;
    QVector3D m_away;
    double m_scale = 1;
    QPointF m_origin;
};
