#include "programwindows.h"

#include "filedialogs.h"

ProgramWindows::ProgramWindows(std::unique_ptr<FileDialogs> dialogs, bool offScreen)
    : Qvl(std::move(dialogs)) {
    Qvl.attachSecondaryWindows(&fer, &fer2, &Credit, &aidefiche, &errrayon, &errplat, &errrayon2);
    if (offScreen) {
        for (QWidget* w : std::initializer_list<QWidget*>{&Qvl, &fer, &fer2, &Credit, &aidefiche,
                                                          &errrayon, &errplat, &errrayon2})
            w->setAttribute(Qt::WA_DontShowOnScreen);
    }
}
