#pragma once

#include <QRect>

// Geometry of the integer spin field and its arrow pair, in pixels.

// The smallest height of a field: its text height, a quarter of the smaller
// of the system font's and its own text heights, four thin borders and 2.
int spinFieldMinimumHeight(int fontTextHeight, int systemFontTextHeight, int thinBorder = 1);

// The arrow pair inside a field of the given outer size, in the field's
// client coordinates. With a sunken (3D) border the pair sits 5 pixels in
// from the right and bottom edges; with a flat one it sits at the right edge,
// one pixel down.
QRect spinArrowPairRect(QSize fieldSize, int pairWidth, bool ctl3D);

// The pair is never narrower than this.
constexpr int spinArrowPairMinimumWidth = 15;

// The two arrows inside a pair of the given size: the up arrow takes the top
// half (rounded down), the down arrow the rest, overlapping it by one pixel.
QRect spinUpArrowRect(QSize pairSize);
QRect spinDownArrowRect(QSize pairSize);
