#pragma once

#include "textmeasurer.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QString>

// Text measurement with a real font, remembering each text's width: the
// chart measures the same few labels at every paint, and asking the font
// engine each time cost more than drawing them. Nothing is measured before
// it is asked for: a chart that draws no text never loads its font.
class CachedTextMeasurer : public TextMeasurer {
public:
    explicit CachedTextMeasurer(const QFont& font);

    int textWidth(const QString& text) const override;
    int textHeight(const QString& text) const override;
    int ascent() const;
    const QFont& font() const { return m_font; }

private:
    QFont m_font;
    QFontMetrics m_metrics;
    void measureLines() const;

    mutable int m_height = -1;
    mutable int m_ascent = -1;
    mutable QHash<QString, int> m_widths;
};
