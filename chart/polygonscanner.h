#pragma once

#include <QPoint>

#include <algorithm>
#include <cstdint>
#include <vector>

// Turns a polygon with integer corners into horizontal pixel spans, even-odd
// rule. A pixel (x, y) has its centre at the integer point (x, y); it belongs
// to the polygon when its centre is inside, with the left and top edges
// counted in and the right and bottom edges left out, so that two faces
// sharing an edge never both own its pixels. Every edge is walked
// incrementally: no division per row, exact for any 32-bit corners.
class PolygonScanner {
public:
    // Calls span(y, x0, x1) for every span [x0, x1) of the rows in
    // [rowTop, rowBottom), top to bottom, left to right within a row.
    template <class SpanFunction>
    void scan(const QPoint* points, int count, int rowTop, int rowBottom, SpanFunction&& span) {
        if (count < 3) return;
        int yMin = points[0].y();
        int yMax = yMin;
        for (int i = 1; i < count; ++i) {
            yMin = std::min(yMin, points[i].y());
            yMax = std::max(yMax, points[i].y());
        }
        const int first = std::max(yMin, rowTop);
        const int last = std::min(yMax, rowBottom); // exclusive
        if (first >= last) return;
        const int rows = last - first;
        m_crossings.assign(size_t(rows) * size_t(count), 0);
        m_counts.assign(size_t(rows), 0);

        for (int i = 0; i < count; ++i) {
            QPoint a = points[i];
            QPoint b = points[(i + 1) % count];
            if (a.y() == b.y()) continue;
            if (a.y() > b.y()) std::swap(a, b);
            addEdge(a, b, first, last, count);
        }

        for (int row = 0; row < rows; ++row) {
            int* xs = m_crossings.data() + size_t(row) * size_t(count);
            const int n = m_counts[size_t(row)];
            for (int i = 1; i < n; ++i) { // insertion sort: a handful of values
                const int v = xs[i];
                int j = i - 1;
                while (j >= 0 && xs[j] > v) {
                    xs[j + 1] = xs[j];
                    --j;
                }
                xs[j + 1] = v;
            }
            for (int i = 0; i + 1 < n; i += 2)
                if (xs[i] < xs[i + 1]) span(first + row, xs[i], xs[i + 1]);
        }
    }

private:
    static std::int64_t floorDiv(std::int64_t a, std::int64_t b) // b > 0
    {
        std::int64_t q = a / b;
        if (a % b != 0 && a < 0) --q;
        return q;
    }

    // Records, for each row y with a.y <= y < b.y inside [first, last), the
    // first pixel column at or right of the edge: ceil of its x at y.
    void addEdge(QPoint a, QPoint b, int first, int last, int stride) {
        const int y0 = std::max(a.y(), first);
        const int y1 = std::min(b.y(), last);
        if (y0 >= y1) return;
        const std::int64_t dy = std::int64_t(b.y()) - a.y();
        const std::int64_t dx = std::int64_t(b.x()) - a.x();
        const std::int64_t num = std::int64_t(a.x()) * dy + (std::int64_t(y0) - a.y()) * dx;
        std::int64_t q = floorDiv(num, dy);
        std::int64_t r = num - q * dy;
        const std::int64_t stepQ = floorDiv(dx, dy);
        const std::int64_t stepR = dx - stepQ * dy;
        for (int y = y0; y < y1; ++y) {
            std::int64_t x = q + (r > 0 ? 1 : 0);
            x = std::clamp<std::int64_t>(x, -(std::int64_t(1) << 30), std::int64_t(1) << 30);
            const size_t row = size_t(y - first);
            m_crossings[row * size_t(stride) + size_t(m_counts[row]++)] = int(x);
            q += stepQ;
            r += stepR;
            if (r >= dy) {
                r -= dy;
                ++q;
            }
        }
    }

    std::vector<int> m_crossings;
    std::vector<int> m_counts;
};
