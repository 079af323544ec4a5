#pragma once

#include "chartrect.h"
#include "paintobserver.h"
#include "tcanvas3d.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <vector>

class QPainter;

// The chart's drawing surface: all drawing of a paint goes into a kept
// off-screen image, copied to the window in one block at the end, and points
// (x, y, z) with a depth z in pixels are projected obliquely: with the
// defaults, (x + z, y - z).
class TZelCanvas3D : public TCanvas3D {
public:
    static constexpr double DegreesToRadians = 0.017453292519943295;

    TZelCanvas3D();

    // Takes the view settings for this paint, keeps the buffer when it has
    // the rectangle's size (else makes a new one) and directs drawing into
    // it. Returns the rectangle to draw in, (0, 0, width, height).
    QRect StartDrawing(const TView3DOptions& options, const QRect& rect, bool active3D);
    // Centre of the projection: the middle of the plot rectangle and of the depth.
    void SetProjectionCentre(int totalDepth, const ChartRect& plotRect);
    QPoint ProjectPoint(int x, int y, int z) const;

    // Faces (filled with the brush, outlined with the pen) and lines at depths.
    void RectAtDepth(int left, int top, int right, int bottom, int z);
    void PlaneAtX(int x, int top, int bottom, int z0, int z1);
    void PlaneAtY(int left, int right, int y, int z0, int z1);
    void PlaneBetween(QPoint p0, QPoint p1, int z0, int z1);
    void LineWithZ(int x0, int y0, int x1, int y1, int z);
    void ZLine(int x, int y, int z0, int z1);

    // Restricts drawing to the box seen from the front: in 2D the rectangle
    // (left + 1, top + 1) to (right, bottom - 1), right and bottom outside; in
    // 3D the six-cornered outline of the box from depth z0 to z1. Unclip puts
    // back the clip in force before.
    void ClipBox(int left, int top, int right, int bottom, int z0, int z1);
    void Unclip();

    // Copies the buffer to the target at the painted rectangle's origin and
    // marks it fresh.
    void FinishDrawing(QPainter* target);
    // Ends a paint that failed half-way: nothing is copied, the buffer stays stale.
    void abandonDrawing();
    // When the buffer is fresh (and of the window's size), copies it to the
    // target and returns true: nothing needs drawing.
    bool CopyKeptImage(QPainter* target, const QSize& windowSize);

    // While set, a full paint draws straight into target instead of the kept
    // buffer when target is an RGB32 image of the painted size (a picture
    // being exported, its origin at the painted rectangle's): no buffer is
    // made, nothing is copied, and the kept buffer is left stale.
    void setDrawingTarget(QImage* target) { m_target = target; }

    bool bufferStale() const { return m_bufferStale; }
    void markStale() { m_bufferStale = true; }
    const QImage& buffer() const { return m_buffer; }
    bool drawing() const { return m_drawing; }
    // Told of every full paint and new buffer, and of the series' segments
    // (tests; none in the program).
    void setPaintObserver(PaintObserver* observer) { m_paintObserver = observer; }
    PaintObserver* paintObserver() const { return m_paintObserver; }

    double tangent() const { return m_tangent; }
    double zoomFactor() const { return m_zoomFactor; }
    bool zoomText() const { return m_zoomText; }
    QPoint centre() const { return QPoint(m_centreX, m_centreY); }
    int centreZ() const { return m_centreZ; }

    // Drawing between paints, straight on the window: a 1-pixel rectangle
    // outline inverted in NotXor with the pen colour. Drawing the same
    // rectangle again erases it. The widget shows these over the kept image.
    void directNotXorRectangle(const ChartRect& rect, TColor penColour);
    bool hasDirectDrawing() const { return !m_direct.empty(); }

private:
    struct DirectRectangle {
        ChartRect rect;
        QRgb colour;
        bool operator==(const DirectRectangle&) const = default;
    };
    void face(const QPoint (&corners)[4]);

    double m_tangent = 1.0;
    double m_zoomFactor = 1.0;
    bool m_zoomText = true;
    int m_centreX = 0;
    int m_centreY = 0;
    int m_centreZ = 0;
    int m_screenCentreX = 0;
    int m_screenCentreY = 0;

    QImage m_buffer;
    QImage* m_target = nullptr;
    bool m_drawingIntoTarget = false; // the paint in progress draws into m_target
    QPoint m_origin;
    bool m_bufferStale = true;
    bool m_drawing = false;
    PaintObserver* m_paintObserver = nullptr;
    std::vector<DirectRectangle> m_direct;
};
