#pragma once

#include "twarningwindow.h"

// The left radius warning raised by Tracer.
class Terrrayon : public TWarningWindow {
    Q_OBJECT
public:
    Terrrayon();

    TLabel* lrayon;
    QPushButton* bfermer3;
};
