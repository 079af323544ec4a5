#include "modelturntable.h"

#include <algorithm>
#include <cmath>

bool ModelTurntable::turnBy(QPointF pixels) {
    const ViewAngles before = m_angles;
    m_angles.yaw = std::remainder(m_angles.yaw - pixels.x() * degreesPerPixel, 360.0);
    m_angles.pitch =
        std::clamp(m_angles.pitch + pixels.y() * degreesPerPixel, -steepestPitch, steepestPitch);
    return m_angles.yaw != before.yaw || m_angles.pitch != before.pitch;
}

bool ModelTurntable::zoomBy(double notches) {
    const double before = m_zoom;
    m_zoom = std::clamp(m_zoom * std::pow(zoomPerNotch, notches), smallestZoom, largestZoom);
    return m_zoom != before;
}

bool ModelTurntable::reset() {
    const ModelTurntable fresh;
    const bool changed = m_angles.yaw != fresh.m_angles.yaw ||
                         m_angles.pitch != fresh.m_angles.pitch || m_zoom != fresh.m_zoom;
    *this = fresh;
    return changed;
}
