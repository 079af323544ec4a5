#pragma once

#include "chartrect.h"
#include "tchartpen.h"

#include <QPoint>
#include <Qt>

enum TZoomDirection { tzdHorizontal, tzdVertical, tzdBoth };

// Mouse-zoom settings, and the rectangle of a zoom in progress.
class TZelZoom {
public:
    TZelZoom();

    bool Allow() const { return m_allow; }
    void SetAllow(bool allow) { m_allow = allow; }
    Qt::MouseButton MouseButton() const { return m_mouseButton; }
    void SetMouseButton(Qt::MouseButton button) { m_mouseButton = button; }
    int MinimumPixels() const { return m_minimumPixels; }
    void SetMinimumPixels(int pixels) { m_minimumPixels = pixels; }
    TZoomDirection Direction() const { return m_direction; }
    void SetDirection(TZoomDirection direction) { m_direction = direction; }
    // The rectangle's outline (white; drawn in NotXor).
    TChartPen& Pen() { return m_pen; }
    const TChartPen& Pen() const { return m_pen; }

    // The zoom being dragged: from (X0, Y0) to (X1, Y1).
    bool Active() const { return m_active; }
    int X0() const { return m_x0; }
    int Y0() const { return m_y0; }
    int X1() const { return m_x1; }
    int Y1() const { return m_y1; }
    void activate(QPoint start);
    void track(QPoint current);
    void deactivate() { m_active = false; }
    // The rectangle spanned so far, as the two corners' edges (any order).
    ChartRect rectangle() const;

private:
    bool m_allow = true;
    Qt::MouseButton m_mouseButton = Qt::LeftButton;
    int m_minimumPixels = 16;
    TZoomDirection m_direction = tzdBoth;
    TChartPen m_pen;
    bool m_active = false;
    int m_x0 = 0;
    int m_y0 = 0;
    int m_x1 = 0;
    int m_y1 = 0;
};
