#pragma once

#include "assignifchanged.h"
#include "chartlayout.h"
#include "chartrect.h"
#include "chartrepaintrequester.h"
#include "tcustompanelnocaption.h"
#include "tview3doptions.h"
#include "tzelcanvas3d.h"

#include <QRect>

class QPainter;

// The chart's panel: margins, 3D settings, the drawing surface and the paint
// entry. A paint either copies the kept image (nothing changed since the last
// one) or draws everything into the surface's buffer and copies that once.
class TCustomZelPanel : public TCustomPanelNoCaption, public ChartRepaintRequester {
    Q_OBJECT
public:
    static constexpr int MinChart3DPercent = 1;
    static constexpr int MaxChart3DPercent = 100;

    explicit TCustomZelPanel(QWidget* parent = nullptr);

    int MarginLeft() const { return m_margins.left; }
    void SetMarginLeft(int percent) {
        if (assignIfChanged(m_margins.left, percent)) requestRepaint();
    }
    int MarginTop() const { return m_margins.top; }
    void SetMarginTop(int percent) {
        if (assignIfChanged(m_margins.top, percent)) requestRepaint();
    }
    int MarginRight() const { return m_margins.right; }
    void SetMarginRight(int percent) {
        if (assignIfChanged(m_margins.right, percent)) requestRepaint();
    }
    int MarginBottom() const { return m_margins.bottom; }
    void SetMarginBottom(int percent) {
        if (assignIfChanged(m_margins.bottom, percent)) requestRepaint();
    }
    const ChartMargins& margins() const { return m_margins; }

    bool View3D() const { return m_view3D; }
    void SetView3D(bool view3D) {
        if (assignIfChanged(m_view3D, view3D)) requestRepaint();
    }
    int Chart3DPercent() const { return m_chart3DPercent; }
    // Throws ChartException outside 1..100, keeping the old value.
    void SetChart3DPercent(int percent);
    TView3DOptions& View3DOptions() { return m_view3DOptions; }
    const TView3DOptions& View3DOptions() const { return m_view3DOptions; }

    TZelCanvas3D& Canvas() { return m_canvas; }
    const TZelCanvas3D& Canvas() const { return m_canvas; }

    // The plotting rectangle as the last paint laid it out (empty before).
    QRect PlotRect() const { return m_plotRect.toQRect(); }
    const ChartRect& plotRectEdges() const { return m_plotRect; }
    int PlotWidth() const { return m_plotRect.width(); }
    int PlotHeight() const { return m_plotRect.height(); }

    // Marks the kept image stale and asks for a paint; nothing while the
    // chart is being built or painted.
    void requestRepaint() override;
    bool AutoRepaint() const { return m_autoRepaint; }

    // The paint itself, onto any painter whose origin is the chart's.
    void paintTo(QPainter& painter);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void panelChanged() override { requestRepaint(); }
    void setAutoRepaint(bool on) { m_autoRepaint = on; }
    void setPlotRect(const ChartRect& rect) { m_plotRect = rect; }

    // Everything between the bevels and the reset of the surface.
    virtual void drawContents(const QRect& bounds) = 0;

private:
    void drawBackground(const QRect& bounds);
    void drawBevel(QRect& ring, TBevelCut bevel);

    ChartMargins m_margins;
    bool m_view3D = true;
    int m_chart3DPercent = 15;
    TView3DOptions m_view3DOptions;
    TZelCanvas3D m_canvas;
    ChartRect m_plotRect;
    bool m_autoRepaint = false;
};
