#include "tzelcanvas3d.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Nearest integer, halves to even (the default rounding mode).
int rnd(double v) {
    const double r = std::nearbyint(v);
    return int(std::clamp(r, -2147483648.0, 2147483647.0));
}

} // namespace

TZelCanvas3D::TZelCanvas3D() = default;

QRect TZelCanvas3D::StartDrawing(const TView3DOptions& options, const QRect& rect, bool active3D) {
    setView(options, active3D);
    m_zoomFactor = 1.0;
    m_tangent = 1.0;
    if (active3D) {
        if (oblique()) {
            const long double angle = options.OrthoAngle() * (long double)DegreesToRadians;
            const long double c = std::cos(angle);
            m_tangent = c < 0.01L ? 1.0 : double(std::sin(angle) / c);
        }
        m_zoomFactor = options.Zoom() * 0.01;
        m_zoomText = options.ZoomText();
    }
    const QSize size(std::max(0, rect.width()), std::max(0, rect.height()));
    if (m_target && !size.isEmpty() && m_target->size() == size &&
        m_target->format() == QImage::Format_RGB32) {
        m_drawingIntoTarget = true;
    } else {
        if (m_buffer.size() != size) {
            m_buffer = size.isEmpty() ? QImage() : QImage(size, QImage::Format_RGB32);
            if (m_paintObserver) m_paintObserver->bufferMade();
        }
        m_drawingIntoTarget = false;
    }
    m_origin = rect.topLeft();
    m_drawing = true;
    if (m_paintObserver) m_paintObserver->fullPaintStarted();
    attachImage(m_drawingIntoTarget ? m_target : &m_buffer);
    return QRect(QPoint(0, 0), size);
}

void TZelCanvas3D::SetProjectionCentre(int totalDepth, const ChartRect& plotRect) {
    m_centreX = plotRect.centreX();
    m_centreY = plotRect.centreY();
    m_centreZ = totalDepth / 2;
    m_screenCentreX = m_centreX + view3DOptions().HorizOffset();
    m_screenCentreY = m_centreY + view3DOptions().VertOffset();
}

QPoint TZelCanvas3D::ProjectPoint(int x, int y, int z) const {
    // Without the oblique projection (2D, or the never-used perspective
    // view) depth plays no part.
    if (!oblique()) return QPoint(x, y);
    const long long dx = (long long)x - m_centreX + z;
    const long long dy = (long long)y - m_centreY;
    return QPoint(rnd(double(dx) * m_zoomFactor) + m_screenCentreX,
                  rnd((double(dy) - z * m_tangent) * m_zoomFactor) + m_screenCentreY);
}

void TZelCanvas3D::face(const QPoint (&corners)[4]) {
    Polygon(corners, 4);
}

void TZelCanvas3D::RectAtDepth(int left, int top, int right, int bottom, int z) {
    face({ProjectPoint(left, top, z), ProjectPoint(right, top, z), ProjectPoint(right, bottom, z),
          ProjectPoint(left, bottom, z)});
}

void TZelCanvas3D::PlaneAtX(int x, int top, int bottom, int z0, int z1) {
    face({ProjectPoint(x, top, z0), ProjectPoint(x, top, z1), ProjectPoint(x, bottom, z1),
          ProjectPoint(x, bottom, z0)});
}

void TZelCanvas3D::PlaneAtY(int left, int right, int y, int z0, int z1) {
    face({ProjectPoint(left, y, z0), ProjectPoint(right, y, z0), ProjectPoint(right, y, z1),
          ProjectPoint(left, y, z1)});
}

void TZelCanvas3D::PlaneBetween(QPoint p0, QPoint p1, int z0, int z1) {
    face({ProjectPoint(p0.x(), p0.y(), z0), ProjectPoint(p1.x(), p1.y(), z0),
          ProjectPoint(p1.x(), p1.y(), z1), ProjectPoint(p0.x(), p0.y(), z1)});
}

void TZelCanvas3D::LineWithZ(int x0, int y0, int x1, int y1, int z) {
    const QPoint a = ProjectPoint(x0, y0, z);
    const QPoint b = ProjectPoint(x1, y1, z);
    Line(a.x(), a.y(), b.x(), b.y());
}

void TZelCanvas3D::ZLine(int x, int y, int z0, int z1) {
    const QPoint a = ProjectPoint(x, y, z0);
    const QPoint b = ProjectPoint(x, y, z1);
    Line(a.x(), a.y(), b.x(), b.y());
}

void TZelCanvas3D::ClipBox(int left, int top, int right, int bottom, int z0, int z1) {
    const QRect bounds = m_drawingIntoTarget ? m_target->rect() : m_buffer.rect();
    if (!is3D()) {
        pushClip(ClipSpans(QRect(QPoint(left + 1, top + 1), QPoint(right - 1, bottom - 2))));
        return;
    }
    // The box seen from the front and above right (the only view this chart
    // has: Elevation and Rotation 345).
    const QPoint outline[6] = {ProjectPoint(left, bottom, z0),  ProjectPoint(left, top, z0),
                               ProjectPoint(left, top, z1),     ProjectPoint(right, top, z1),
                               ProjectPoint(right, bottom, z1), ProjectPoint(right, bottom, z0)};
    pushClip(ClipSpans::fromPolygon(outline, 6, bounds));
}

void TZelCanvas3D::Unclip() {
    popClip();
}

void TZelCanvas3D::FinishDrawing(QPainter* target) {
    attachImage(nullptr);
    m_drawing = false;
    m_direct.clear();
    if (m_drawingIntoTarget) {
        // Drawn in place: the kept buffer does not hold this paint.
        m_drawingIntoTarget = false;
        m_bufferStale = true;
        return;
    }
    m_bufferStale = false;
    if (target && !m_buffer.isNull()) target->drawImage(m_origin, m_buffer);
}

void TZelCanvas3D::abandonDrawing() {
    attachImage(nullptr);
    m_drawingIntoTarget = false;
    m_drawing = false;
    m_bufferStale = true;
}

bool TZelCanvas3D::CopyKeptImage(QPainter* target, const QSize& windowSize) {
    if (m_bufferStale || m_buffer.size() != windowSize) return false;
    if (target == nullptr || m_buffer.isNull()) return true;
    if (m_direct.empty()) {
        target->drawImage(QPoint(0, 0), m_buffer);
        return true;
    }
    QImage window = m_buffer.copy();
    PixelRaster raster;
    raster.attach(&window);
    for (const DirectRectangle& d : m_direct) {
        PixelRaster::Stroke stroke;
        stroke.colour = d.colour;
        stroke.mix = PixelRaster::Mix::NotXor;
        const ChartRect& r = d.rect;
        const QPoint corners[4] = {{r.left, r.top},
                                   {r.right - 1, r.top},
                                   {r.right - 1, r.bottom - 1},
                                   {r.left, r.bottom - 1}};
        raster.strokePolygon(corners, 4, stroke);
    }
    target->drawImage(QPoint(0, 0), window);
    return true;
}

void TZelCanvas3D::directNotXorRectangle(const ChartRect& rect, TColor penColour) {
    const DirectRectangle d{rect, resolve(penColour, 0xFF000000)};
    // Inverting twice restores the pixels: the two drawings cancel out.
    const auto it = std::find(m_direct.begin(), m_direct.end(), d);
    if (it != m_direct.end())
        m_direct.erase(it);
    else
        m_direct.push_back(d);
}
