#pragma once

#include "chartnavigator.h"
#include "savedaxesstate.h"
#include "tchartbackwall.h"
#include "tchartrightwall.h"
#include "tchartwall.h"
#include "tcustomaxispanel.h"

#include <optional>

class QMouseEvent;
class QWheelEvent;

// Adds the walls, the saved axes state that undoing a zoom restores, and
// the mouse: zoom, pan and wheel are worked out by ChartNavigator; this class
// forwards the events to it and shows the zoom rectangle while it is dragged.
// (Titles and legend draw nothing and take no space in this chart; they are
// not built.)
class TCustomChart : public TCustomAxisPanel {
    Q_OBJECT
public:
    explicit TCustomChart(QWidget* parent = nullptr);

    TChartBackWall& BackWall() { return m_backWall; }
    TChartWall& LeftWall() { return m_leftWall; }
    TChartWall& BottomWall() { return m_bottomWall; }
    TChartRightWall& RightWall() { return m_rightWall; }
    // The plot's frame is the back wall's pen.
    TChartPen& Frame() { return m_backWall.Pen(); }
    bool View3DWalls() const { return m_view3DWalls; }
    void SetView3DWalls(bool walls) {
        if (assignIfChanged(m_view3DWalls, walls)) requestRepaint();
    }

    SavedAxesState& savedAxesState() { return m_saved; }
    // The colour the zoom rectangle is inverted with: the zoom pen's colour
    // xor the inverse of the chart's colour, so that it shows in the pen's
    // colour on the chart's background.
    TColor zoomPenColor() const;

protected:
    void completeLayoutSettings(ChartLayoutSettings& settings) const override;
    void drawWalls() override;
    void drawZoomInProgress() override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    ChartNavigator::Context navigationContext();
    void navigated(int outcome);
    void showZoomRectangle(const std::optional<ChartRect>& rect);

    TChartBackWall m_backWall;
    TChartWall m_leftWall;
    TChartWall m_bottomWall;
    TChartRightWall m_rightWall;
    bool m_view3DWalls = true;
    SavedAxesState m_saved;
    ChartNavigator m_navigator;
    // The zoom outline the window shows now, if any.
    std::optional<ChartRect> m_zoomShown;
};
