#pragma once

#include <QFont>
#include <QString>

// The faces of the window layouts. Neither exists here: Qt substitutes the
// system's fonts, as the layouts expect.
inline const QString sansSerifFace = QStringLiteral("MS Sans Serif");
inline const QString missingFace = QStringLiteral("ze");

enum FontStyle { fsPlain = 0, fsBold = 1, fsUnderline = 2, fsBoldUnderline = 3 };

// A font of the layouts: heights are character heights in pixels.
inline QFont uiFont(int pixelHeight, int style = fsPlain, const QString& face = sansSerifFace) {
    QFont font(face);
    font.setPixelSize(pixelHeight);
    font.setBold((style & fsBold) != 0);
    font.setUnderline((style & fsUnderline) != 0);
    return font;
}
