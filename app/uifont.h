#pragma once

#include <QFont>
#include <QString>

// The faces of the window layouts. Neither exists here: Qt substitutes the
// system's fonts, as the layouts expect.
inline const QString sansSerifFace = QStringLiteral("MS Sans Serif");
inline const QString missingFace = QStringLiteral("ze");

enum FontStyle { fsPlain = 0, fsBold = 1, fsUnderline = 2, fsBoldUnderline = 3 };

// "MS Sans Serif" is asked for by name: the faces of its width come first
// (Arial's metrics, which Liberation Sans shares), before the system's default
// sans-serif face, which is much wider. "ze" is left to the system.
inline void installFontSubstitutes() {
    static const bool installed = [] {
        QFont::insertSubstitutions(sansSerifFace,
                                   {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                                    QStringLiteral("Liberation Sans")});
        return true;
    }();
    (void)installed;
}

// A font of the layouts: heights are character heights in pixels.
inline QFont uiFont(int pixelHeight, int style = fsPlain, const QString& face = sansSerifFace) {
    installFontSubstitutes();
    QFont font(face);
    font.setPixelSize(pixelHeight);
    font.setBold((style & fsBold) != 0);
    font.setUnderline((style & fsUnderline) != 0);
    return font;
}
