#pragma once

class QFocusEvent;

// Whether a field with select-all-on-focus should select its whole text when
// it takes the focus: always, except when the focus comes from the left mouse
// button pressed on the field itself (the click then places the caret).
bool selectsAllOnFocus(const QFocusEvent* event);
