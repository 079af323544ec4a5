#pragma once

#include "tchartbrush.h"
#include "tchartpen.h"
#include "tcolor.h"

class ChartRepaintRequester;

// One wall of the chart's box: a face in its colour with a pen outline. A
// wall with a Size of 1 or more would be a block; this chart's walls are all
// flat (Size 0), and only flat walls are drawn.
class TCustomChartWall {
public:
    explicit TCustomChartWall(TColor colour = clSilver, bool transparent = false,
                              bool visible = true);
    TCustomChartWall(const TCustomChartWall&) = delete;
    TCustomChartWall& operator=(const TCustomChartWall&) = delete;
    virtual ~TCustomChartWall() = default;

    TChartBrush& Brush() { return m_brush; }
    const TChartBrush& Brush() const { return m_brush; }
    TChartPen& Pen() { return m_pen; }
    const TChartPen& Pen() const { return m_pen; }
    TColor Color() const { return m_color; }
    void SetColor(TColor colour);
    bool Dark3D() const { return m_dark3D; }
    void SetDark3D(bool dark3D);
    int Size() const { return m_size; }
    void SetSize(int size);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);

    void setRepaintRequester(ChartRepaintRequester* requester);

protected:
    void changed() const;

private:
    TChartBrush m_brush;
    TChartPen m_pen;
    TColor m_color;
    bool m_dark3D = true;
    int m_size = 0;
    bool m_transparent;
    bool m_visible;
    ChartRepaintRequester* m_requester = nullptr;
};
