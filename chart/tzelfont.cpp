#include "tzelfont.h"

#include "chartrepaintrequester.h"

void TZelFont::changed() const {
    if (m_requester) m_requester->requestRepaint();
}

void TZelFont::SetName(const QString& name) {
    if (m_name == name) return;
    m_name = name;
    changed();
}

void TZelFont::SetSize(int points) {
    if (m_size == points) return;
    m_size = points;
    changed();
}

void TZelFont::SetColor(TColor colour) {
    if (m_color == colour) return;
    m_color = colour;
    changed();
}

void TZelFont::SetBold(bool bold) {
    if (m_bold == bold) return;
    m_bold = bold;
    changed();
}

void TZelFont::SetItalic(bool italic) {
    if (m_italic == italic) return;
    m_italic = italic;
    changed();
}

QFont TZelFont::toQFont() const {
    QFont font(m_name);
    font.setPointSize(m_size);
    font.setBold(m_bold);
    font.setItalic(m_italic);
    return font;
}
