#pragma once

#include "twarningwindow.h"

// The flat-length warning raised by Tracer.
class Terrplat : public TWarningWindow {
    Q_OBJECT
public:
    Terrplat();

    TLabel* lplat;
    QPushButton* bfermer3;
};
