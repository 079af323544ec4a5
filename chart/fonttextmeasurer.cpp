#include "fonttextmeasurer.h"

FontTextMeasurer::FontTextMeasurer(const QFont& font)
    : m_metrics(font) {}

int FontTextMeasurer::textWidth(const QString& text) const {
    return m_metrics.horizontalAdvance(text);
}

int FontTextMeasurer::textHeight(const QString& text) const {
    Q_UNUSED(text);
    return m_metrics.height();
}
