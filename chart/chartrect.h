#pragma once

#include <QPoint>
#include <QRect>

// A pixel rectangle kept as its four edges, right and bottom being the first
// column and row outside it: width = right - left. The chart's layout reasons in
// these edges; QRect's right() is one less, so convert only at the boundary.
struct ChartRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    // Integer division truncates toward zero, as the layout requires.
    int centreX() const { return (left + right) / 2; }
    int centreY() const { return (top + bottom) / 2; }
    bool contains(QPoint p) const {
        return p.x() >= left && p.x() < right && p.y() >= top && p.y() < bottom;
    }
    QRect toQRect() const { return QRect(left, top, right - left, bottom - top); }
    static ChartRect fromQRect(const QRect& r) {
        return ChartRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    }
    friend bool operator==(const ChartRect&, const ChartRect&) = default;
};
