#include "focusselect.h"

#include <QFocusEvent>
#include <QGuiApplication>

namespace {
bool isWindowOrPopupReason(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}
} // namespace

bool staysEnteredAfter(const QFocusEvent* focusOut) {
    return isWindowOrPopupReason(focusOut->reason());
}

FocusEntry focusEntry(const QFocusEvent* focusIn, bool stillEntered) {
    if (stillEntered && isWindowOrPopupReason(focusIn->reason())) return FocusEntry::KeepSelection;
    if (focusIn->reason() == Qt::MouseFocusReason &&
        (QGuiApplication::mouseButtons() & Qt::LeftButton))
        return FocusEntry::PlaceCaret;
    return FocusEntry::SelectAll;
}
