#pragma once

#include <QChar>
#include <Qt>

class QKeyEvent;

// The characters a key press types into an edit field: the key's printable
// text, or the control code of Backspace (8), Tab (9), Enter and Return (13)
// and Escape (27), DEL (127) for Ctrl+Backspace. Empty for keys that type nothing (arrows, Delete,
// function keys) and for Ctrl, Alt or Meta shortcuts (Ctrl+Alt, as AltGr, still types).
QString typedCharacters(const QKeyEvent* event);

// The one character a key press hands to a key-press handler that sees every
// typed character, Ctrl chords included: the key's text, Backspace as 8,
// Ctrl+Backspace as 127, Enter and Return as 13, Escape as 27. Null for keys
// that type nothing: Tab and Shift+Tab (they move the focus), Delete (whose
// text under X11 is U+007F) and keys without text.
QChar keyPressCharacter(const QKeyEvent* event);

// The key that types c, for handing a replaced character on to the edit.
Qt::Key keyOfCharacter(QChar c);
