#pragma once

#include "chartrepaintrequester.h"
#include "textmeasurer.h"

// Text sizes for layout tests: every character is charWidth wide, unless a
// fixed width is given for every text; every text is `height` high.
class FakeTextMeasurer : public TextMeasurer {
public:
    explicit FakeTextMeasurer(int charWidth = 6, int height = 13, int fixedWidth = -1)
        : m_charWidth(charWidth)
        , m_height(height)
        , m_fixedWidth(fixedWidth) {}
    int textWidth(const QString& text) const override {
        return m_fixedWidth >= 0 ? m_fixedWidth : int(text.size()) * m_charWidth;
    }
    int textHeight(const QString&) const override { return m_height; }

private:
    int m_charWidth;
    int m_height;
    int m_fixedWidth;
};

class CountingRequester : public ChartRepaintRequester {
public:
    void requestRepaint() override { ++requests; }
    int requests = 0;
};
