#include "tview3doptions.h"

#include "chartrepaintrequester.h"

void TView3DOptions::changed() const {
    if (m_requester) m_requester->requestRepaint();
}
