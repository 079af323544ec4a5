#include "tzelzoom.h"

#include <algorithm>

TZelZoom::TZelZoom()
    : m_pen(clWhite, 1, psSolid) {}

void TZelZoom::activate(QPoint start) {
    m_active = true;
    m_x0 = m_x1 = start.x();
    m_y0 = m_y1 = start.y();
}

void TZelZoom::track(QPoint current) {
    m_x1 = current.x();
    m_y1 = current.y();
}

ChartRect TZelZoom::rectangle() const {
    return ChartRect{std::min(m_x0, m_x1), std::min(m_y0, m_y1), std::max(m_x0, m_x1),
                     std::max(m_y0, m_y1)};
}
