#include "modelprojection.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

// The pitch at which the three axes look equally long.
const double isometricPitch = std::atan(1 / std::sqrt(2.0)) * 180 / std::numbers::pi;

} // namespace

ViewAngles viewAngles(ModelView view) {
    switch (view) {
    case ModelView::Isometric:
        return {45, isometricPitch};
    case ModelView::Front:
        return {90, 0};
    case ModelView::Side:
        return {0, 0};
    case ModelView::Top:
        return {0, 90};
    }
    return {};
}

std::optional<ModelView> parseModelView(QStringView name) {
    if (name == u"iso") return ModelView::Isometric;
    if (name == u"front") return ModelView::Front;
    if (name == u"side") return ModelView::Side;
    if (name == u"top") return ModelView::Top;
    return std::nullopt;
}

ModelProjection::ModelProjection(ViewAngles angles) {
    // The ramp turned by -yaw about z, then the eye raised by pitch: the
    // rows of that rotation are the picture's axes in the ramp's frame.
    const double yaw = angles.yaw * std::numbers::pi / 180;
    const double pitch = angles.pitch * std::numbers::pi / 180;
    const double cy = std::cos(yaw), sy = std::sin(yaw), cp = std::cos(pitch), sp = std::sin(pitch);
    m_right = QVector3D(float(cy), float(-sy), 0);
    m_away = QVector3D(float(sy * cp), float(cy * cp), float(-sp));
    m_up = QVector3D(float(sy * sp), float(cy * sp), float(cp));
}

void ModelProjection::fit(const std::vector<QVector3D>& points, QSize picture, double margin) {
    double left = std::numeric_limits<double>::max(), right = -left;
    double bottom = left, top = -left;
    for (const QVector3D& p : points) {
        const double x = QVector3D::dotProduct(m_right, p), y = QVector3D::dotProduct(m_up, p);
        left = std::min(left, x);
        right = std::max(right, x);
        bottom = std::min(bottom, y);
        top = std::max(top, y);
    }
    if (points.empty()) left = right = bottom = top = 0;
    const double width = std::max(1e-9, right - left), height = std::max(1e-9, top - bottom);
    m_scale = std::max(0.0, std::min((picture.width() - 2 * margin) / width,
                                     (picture.height() - 2 * margin) / height));
    m_origin = QPointF(picture.width() / 2.0 - m_scale * (left + right) / 2,
                       picture.height() / 2.0 + m_scale * (bottom + top) / 2);
}

void ModelProjection::zoom(double factor, QPointF about) {
    m_scale *= factor;
    m_origin = about + (m_origin - about) * factor;
}
