#include "tchartaxistitle.h"

#include "chartrepaintrequester.h"

void TChartAxisTitle::changed() const {
    if (m_requester) m_requester->requestRepaint();
}

void TChartAxisTitle::setRepaintRequester(ChartRepaintRequester* requester) {
    m_requester = requester;
    m_font.setRepaintRequester(requester);
}

void TChartAxisTitle::SetCaption(const QString& caption) {
    if (m_caption == caption) return;
    m_caption = caption;
    changed();
}

void TChartAxisTitle::SetAngle(int angle) {
    if (m_angle == angle) return;
    m_angle = angle;
    changed();
}

void TChartAxisTitle::SetVisible(bool visible) {
    if (m_visible == visible) return;
    m_visible = visible;
    changed();
}
