#include "tchartbrush.h"

#include "chartrepaintrequester.h"

TChartBrush::TChartBrush(TColor colour, TBrushStyle style)
    : m_color(colour)
    , m_style(style) {}

void TChartBrush::SetColor(TColor colour) {
    if (m_color == colour) return;
    m_color = colour;
    changed();
}

void TChartBrush::SetStyle(TBrushStyle style) {
    if (m_style == style) return;
    m_style = style;
    changed();
}

void TChartBrush::SetImage(const QImage& image) {
    if (m_image == image) return;
    m_image = image;
    changed();
}

void TChartBrush::changed() const {
    if (m_requester) m_requester->requestRepaint();
}
