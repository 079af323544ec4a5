#pragma once

#include <QChar>
#include <Qt>

class QKeyEvent;

// The characters a key press types into an edit field: the key's printable
// text, or the control code of Backspace (8), Tab (9), Enter and Return (13)
// and Escape (27), DEL (127) for Ctrl+Backspace. Empty for keys that type nothing (arrows, Delete,
// function keys) and for Ctrl, Alt or Meta shortcuts (Ctrl+Alt, as AltGr, still types).
QString typedCharacters(const QKeyEvent* event);

// The key that types c, for handing a replaced character on to the edit.
Qt::Key keyOfCharacter(QChar c);
