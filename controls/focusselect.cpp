#include "focusselect.h"

#include <QFocusEvent>
#include <QGuiApplication>

bool selectsAllOnFocus(const QFocusEvent* event) {
    return !(event->reason() == Qt::MouseFocusReason &&
             (QGuiApplication::mouseButtons() & Qt::LeftButton));
}
