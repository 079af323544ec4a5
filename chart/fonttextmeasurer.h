#pragma once

#include "textmeasurer.h"

#include <QFont>
#include <QFontMetrics>

// Measures text with a real font; needs a QGuiApplication.
class FontTextMeasurer : public TextMeasurer {
public:
    explicit FontTextMeasurer(const QFont& font);
    int textWidth(const QString& text) const override;
    int textHeight(const QString& text) const override;

private:
    QFontMetrics m_metrics;
};
