#pragma once

class QFocusEvent;

// What a field with select-all-on-focus does with its text as it takes the
// focus.
enum class FocusEntry {
    // The field is entered: from another control (Tab, Shift+Tab, a shortcut,
    // a click elsewhere than on its text) or as its window first shows.
    SelectAll,
    // The left mouse button pressed on the field: the click places the caret.
    PlaceCaret,
    // The focus comes back to a field that was never left: its window was
    // reactivated or a popup closed. The selection stays as it was.
    KeepSelection,
};

// Whether losing the focus this way leaves the field still entered: its
// window was deactivated or a popup opened over it.
bool staysEnteredAfter(const QFocusEvent* focusOut);

// stillEntered: what staysEnteredAfter said when the field last lost the focus.
FocusEntry focusEntry(const QFocusEvent* focusIn, bool stillEntered);
