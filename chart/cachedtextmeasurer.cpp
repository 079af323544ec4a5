#include "cachedtextmeasurer.h"

namespace {
constexpr qsizetype MaxRememberedWidths = 4096;
}

CachedTextMeasurer::CachedTextMeasurer(const QFont& font)
    : m_font(font)
    , m_metrics(font) {}

void CachedTextMeasurer::measureLines() const {
    if (m_height >= 0) return;
    m_height = m_metrics.height();
    m_ascent = m_metrics.ascent();
}

int CachedTextMeasurer::ascent() const {
    measureLines();
    return m_ascent;
}

int CachedTextMeasurer::textWidth(const QString& text) const {
    const auto found = m_widths.constFind(text);
    if (found != m_widths.constEnd()) return *found;
    if (m_widths.size() >= MaxRememberedWidths) m_widths.clear();
    const int width = m_metrics.horizontalAdvance(text);
    m_widths.insert(text, width);
    return width;
}

int CachedTextMeasurer::textHeight(const QString&) const {
    measureLines();
    return m_height;
}
