#include "tcustomchartelement.h"

#include "chartrepaintrequester.h"

void TCustomChartElement::SetActive(bool active) {
    if (m_active == active) return;
    m_active = active;
    // An element switched off must disappear as well as one switched on.
    if (m_requester) m_requester->requestRepaint();
}

void TCustomChartElement::requestRepaint() const {
    if (m_requester && m_active) m_requester->requestRepaint();
}
