#pragma once

#include "aide.h"
#include "credits.h"
#include "erreurplat.h"
#include "erreurrayon.h"
#include "erreurrayon2.h"
#include "rampe.h"
#include "wall.h"
#include "wall2.h"

#include <memory>

class FileDialogs;

// Every window of the program, created in the start-up order: the main window
// `Qvl`, then fer, fer2, Credit, aidefiche, errrayon, errplat, errrayon2 (the
// members are constructed in declaration order). All live until the program
// ends; only the main window is shown by the caller.
class ProgramWindows {
public:
    // offScreen: the windows never appear on screen even when shown (for
    // rendering a design without a display).
    explicit ProgramWindows(std::unique_ptr<FileDialogs> dialogs, bool offScreen = false);

    TQvl Qvl;
    Tfer fer;
    Tfer2 fer2;
    TCredit Credit;
    Taidefiche aidefiche;
    Terrrayon errrayon;
    Terrplat errplat;
    Terrrayon2 errrayon2;
};
