#pragma once

// Header-only, for the libraries that link Qt Gui (the numeric fields, the
// chart and the application); the Qt-Core-only libraries never see it.

#include "tcolor.h"

#include <QColor>
#include <QPalette>

// The palette role a system colour stands for.
inline QPalette::ColorRole paletteRoleOf(TColor c) {
    switch (c) {
    case clWindow:
        return QPalette::Base;
    case clWindowFrame:
        return QPalette::Shadow;
    case clWindowText:
        return QPalette::WindowText;
    case clBtnShadow:
        return QPalette::Dark;
    case clBtnHighlight:
        return QPalette::Light;
    case clBtnFace:
    default:
        return QPalette::Button;
    }
}

// A colour value as a QColor; system colours come from the palette. The two
// markers (clNone, clDefault) give an invalid QColor: the caller decides.
inline QColor toQColor(TColor c, const QPalette& palette = QPalette()) {
    if (c == clNone || c == clDefault) return QColor();
    if (isSystemColor(c)) return palette.color(QPalette::Active, paletteRoleOf(c));
    return QColor(redOf(c), greenOf(c), blueOf(c));
}
