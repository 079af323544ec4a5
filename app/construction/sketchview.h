#pragma once

#include "drawingscale.h"
#include "sketch.h"

#include <optional>
#include <QWidget>

// A sketch fitted to the widget, with room around it for its texts. The
// wheel zooms about the pointer, dragging moves the zoomed drawing, a double
// click fits it again.
class SketchView : public QWidget {
    Q_OBJECT
public:
    static constexpr double zoomPerNotch = 1.2;
    static constexpr double largestZoom = 40;

    explicit SketchView(QWidget* parent = nullptr);

    void setSketch(Sketch sketch); // fits it
    const Sketch& sketch() const { return m_sketch; }
    // How many times the fitted size the drawing is shown.
    double zoom() const { return m_zoom; }
    DrawingScale scale() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    DrawingScale fitted() const;
    void fit();

    Sketch m_sketch;
    std::optional<DrawingScale> m_zoomed; // none: fitted
    double m_zoom = 1;
    QPointF m_dragFrom;
};
