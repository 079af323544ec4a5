#pragma once

#include <QImage>

// The arrows' built-in images: 9 x 6, a filled black triangle 7 pixels wide
// at its base and 4 rows high, on a transparent ground.
QImage spinUpGlyph();
QImage spinDownGlyph();
