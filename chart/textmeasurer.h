#pragma once

#include <QString>

// Text measurement for axis layout. The chart measures with its labels font
// (CachedTextMeasurer); tests use fixed sizes.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual int textWidth(const QString& text) const = 0;
    virtual int textHeight(const QString& text) const = 0;
};
