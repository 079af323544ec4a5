#include "beep.h"

#include <QApplication>

namespace {
std::function<void()>& beepFunction() {
    static std::function<void()> function;
    return function;
}
} // namespace

void beep() {
    if (beepFunction()) {
        beepFunction()();
    } else {
        QApplication::beep();
    }
}

void setBeepFunction(std::function<void()> function) {
    beepFunction() = std::move(function);
}
