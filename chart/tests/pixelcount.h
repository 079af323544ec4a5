#pragma once

#include <QImage>
#include <QRect>

// Pixels of exactly this colour within area.
inline int countPixels(const QImage& image, QRgb colour, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == colour) ++n;
    return n;
}

// Pixels of exactly this colour in the whole image.
inline int countPixels(const QImage& image, QRgb colour) {
    return countPixels(image, colour, image.rect());
}
