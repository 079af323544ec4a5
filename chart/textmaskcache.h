#pragma once

#include <QFont>
#include <QHash>
#include <QImage>
#include <QPoint>
#include <QString>

// Rendered texts as coverage masks, so that a label drawn at every paint is
// rasterised by the font engine only once and then blended like any other
// fill.
class TextMaskCache {
public:
    struct Mask {
        QImage coverage; // Format_Alpha8
        QPoint offset;   // of the mask's top left from the text's top left
    };

    // The mask of text in font, whose box is advance wide and height high.
    const Mask& mask(const QFont& font, const QString& text, int advance, int height, int ascent);

private:
    QHash<QString, Mask> m_masks;
    QFont m_lastFont;
    QString m_lastKey; // QFont::key() is slow to build: kept for the last font
};
