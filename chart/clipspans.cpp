#include "clipspans.h"

#include "polygonscanner.h"

#include <algorithm>
#include <climits>

ClipSpans::ClipSpans(const QRect& rect) {
    if (rect.isEmpty()) return;
    m_top = rect.top();
    m_left.assign(size_t(rect.height()), rect.left());
    m_right.assign(size_t(rect.height()), rect.right() + 1);
}

ClipSpans ClipSpans::fromPolygon(const QPoint* points, int count, const QRect& bounds) {
    ClipSpans result;
    if (bounds.isEmpty()) return result;
    result.m_top = bounds.top();
    result.m_left.assign(size_t(bounds.height()), INT_MAX);
    result.m_right.assign(size_t(bounds.height()), INT_MIN);
    PolygonScanner scanner;
    scanner.scan(points, count, bounds.top(), bounds.bottom() + 1, [&](int y, int x0, int x1) {
        const size_t row = size_t(y - result.m_top);
        result.m_left[row] = std::min(result.m_left[row], std::max(x0, bounds.left()));
        result.m_right[row] = std::max(result.m_right[row], std::min(x1, bounds.right() + 1));
    });
    result.trim();
    return result;
}

void ClipSpans::intersect(const ClipSpans& other) {
    if (isEmpty()) return;
    if (other.isEmpty()) {
        *this = ClipSpans();
        return;
    }
    const int newTop = std::max(top(), other.top());
    const int newBottom = std::min(bottom(), other.bottom());
    if (newTop >= newBottom) {
        *this = ClipSpans();
        return;
    }
    std::vector<int> left(size_t(newBottom - newTop));
    std::vector<int> right(left.size());
    for (int y = newTop; y < newBottom; ++y) {
        left[size_t(y - newTop)] = std::max(this->left(y), other.left(y));
        right[size_t(y - newTop)] = std::min(this->right(y), other.right(y));
    }
    m_top = newTop;
    m_left = std::move(left);
    m_right = std::move(right);
    trim();
}

void ClipSpans::trim() {
    size_t first = 0;
    while (first < m_left.size() && m_left[first] >= m_right[first])
        ++first;
    size_t last = m_left.size();
    while (last > first && m_left[last - 1] >= m_right[last - 1])
        --last;
    if (first == last) {
        *this = ClipSpans();
        return;
    }
    m_left = std::vector<int>(m_left.begin() + long(first), m_left.begin() + long(last));
    m_right = std::vector<int>(m_right.begin() + long(first), m_right.begin() + long(last));
    m_top += int(first);
}

QRect ClipSpans::boundingRect() const {
    if (isEmpty()) return QRect();
    int l = INT_MAX;
    int r = INT_MIN;
    for (size_t i = 0; i < m_left.size(); ++i) {
        if (m_left[i] >= m_right[i]) continue;
        l = std::min(l, m_left[i]);
        r = std::max(r, m_right[i]);
    }
    return QRect(QPoint(l, top()), QPoint(r - 1, bottom() - 1));
}

QRegion ClipSpans::toRegion() const {
    QRegion region;
    size_t i = 0;
    while (i < m_left.size()) {
        size_t j = i + 1; // rows with the same span make one rectangle
        while (j < m_left.size() && m_left[j] == m_left[i] && m_right[j] == m_right[i])
            ++j;
        if (m_left[i] < m_right[i])
            region += QRect(m_left[i], m_top + int(i), m_right[i] - m_left[i], int(j - i));
        i = j;
    }
    return region;
}
