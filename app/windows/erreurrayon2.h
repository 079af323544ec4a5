#pragma once

#include "twarningwindow.h"

// The right radius warning raised by Tracer.
class Terrrayon2 : public TWarningWindow {
    Q_OBJECT
public:
    Terrrayon2();

    TLabel* lrayon2;
    QPushButton* bfermer3;
};
