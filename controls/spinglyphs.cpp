#include "spinglyphs.h"

namespace {
QImage triangle(bool up) {
    QImage image(9, 6, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int row = 0; row < 4; ++row) {
        const int halfWidth = up ? row : 3 - row; // 1, 3, 5, 7 pixels wide
        for (int x = 4 - halfWidth; x <= 4 + halfWidth; ++x)
            image.setPixelColor(x, 1 + row, Qt::black);
    }
    return image;
}
} // namespace

QImage spinUpGlyph() {
    return triangle(true);
}

QImage spinDownGlyph() {
    return triangle(false);
}
