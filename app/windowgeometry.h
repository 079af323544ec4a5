#pragma once

#include <QSize>

// The window layouts give outer sizes, frame included; Qt sizes a top-level
// window by its client area. These are the frame of a classic size-able window:
// a 4-pixel border on every side and a 19-pixel caption bar.
constexpr int windowFrameBorder = 4;
constexpr int windowCaptionHeight = 19;

inline QSize clientSizeForOuter(QSize outer) {
    return outer - QSize(2 * windowFrameBorder, 2 * windowFrameBorder + windowCaptionHeight);
}
