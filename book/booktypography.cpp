#include "booktypography.h"

#include <algorithm>
#include <cmath>

QFont bookFont(const TextStyle& style) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, int(std::lround(style.size * bookPixelsPerMm))));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    // Positions as the font designs them, not snapped to whole device units.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}
