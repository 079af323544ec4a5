#include "tzelfont.h"

#include "assignifchanged.h"
#include "chartrepaintrequester.h"

void TZelFont::changed() const {
    if (m_requester) m_requester->requestRepaint();
}

void TZelFont::SetName(const QString& name) {
    if (assignIfChanged(m_name, name)) changed();
}

void TZelFont::SetSize(int points) {
    if (assignIfChanged(m_size, points)) changed();
}

void TZelFont::SetColor(TColor colour) {
    if (assignIfChanged(m_color, colour)) changed();
}

void TZelFont::SetBold(bool bold) {
    if (assignIfChanged(m_bold, bold)) changed();
}

void TZelFont::SetItalic(bool italic) {
    if (assignIfChanged(m_italic, italic)) changed();
}
