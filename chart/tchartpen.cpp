#include "tchartpen.h"

#include "chartrepaintrequester.h"

TChartPen::TChartPen(TColor colour, int width, TPenStyle style, bool visible)
    : m_visible(visible)
    , m_color(colour)
    , m_width(width)
    , m_style(style) {}

void TChartPen::changed() const {
    if (m_requester) m_requester->requestRepaint();
}

void TChartPen::SetVisible(bool visible) {
    if (m_visible == visible) return;
    m_visible = visible;
    changed();
}

void TChartPen::SetColor(TColor colour) {
    if (m_color == colour) return;
    m_color = colour;
    changed();
}

void TChartPen::SetWidth(int width) {
    if (m_width == width) return;
    m_width = width;
    changed();
}

void TChartPen::SetStyle(TPenStyle style) {
    if (m_style == style) return;
    m_style = style;
    changed();
}

void TChartPen::SetMode(TPenMode mode) {
    if (m_mode == mode) return;
    m_mode = mode;
    changed();
}
