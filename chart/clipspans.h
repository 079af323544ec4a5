#pragma once

#include <QPoint>
#include <QRect>
#include <QRegion>

#include <vector>

// A clip region that holds one span of pixels [left, right) per row, rows
// [top, bottom). Enough for the regions the chart clips to (rectangles and the
// convex outline of its 3D box), and it makes the per-row clip test of the
// fills a pair of comparisons.
class ClipSpans {
public:
    ClipSpans() = default; // the empty region

    // All pixels of the rectangle (QRect's inclusive right and bottom).
    explicit ClipSpans(const QRect& rect);

    // The pixels a filled polygon covers (see PolygonScanner), limited to
    // bounds. For a polygon that is not convex a row keeps the hull of its
    // spans.
    static ClipSpans fromPolygon(const QPoint* points, int count, const QRect& bounds);

    void intersect(const ClipSpans& other);

    bool isEmpty() const { return m_left.empty(); }
    int top() const { return m_top; }
    int bottom() const { return m_top + int(m_left.size()); } // exclusive
    // Valid for top() <= y < bottom(); right is exclusive, left >= right for an empty row.
    int left(int y) const { return m_left[size_t(y - m_top)]; }
    int right(int y) const { return m_right[size_t(y - m_top)]; }
    // The per-row arrays, indexed by y - top().
    const int* leftData() const { return m_left.data(); }
    const int* rightData() const { return m_right.data(); }
    bool contains(int x, int y) const {
        return y >= top() && y < bottom() && x >= left(y) && x < right(y);
    }

    QRect boundingRect() const;
    QRegion toRegion() const;

    bool operator==(const ClipSpans& other) const = default;

private:
    void trim(); // drops empty rows at both ends

    int m_top = 0;
    std::vector<int> m_left;
    std::vector<int> m_right;
};
