#pragma once

#include "twallwindow.h"

// The left wall notice, raised by Tracer when the left curve is higher than
// its radius.
class Tfer : public TWallWindow {
    Q_OBJECT
public:
    Tfer();

    TLabel* Label1;
    TNumLabel* nlw;
    TLabel* Label2;
    QPushButton* bfermer;
};
