#pragma once

#include <QFont>

// Text heights behind the fields' margins and minimum heights: the height of
// a line of text (ascent plus descent) in a font, and in the system font that
// a screen device starts with.
int textHeight(const QFont& font);
int systemFontTextHeight();
