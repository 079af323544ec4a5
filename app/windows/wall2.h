#pragma once

#include "twallwindow.h"

// The right wall notice, raised by Tracer when the right curve is higher than
// its radius.
class Tfer2 : public TWallWindow {
    Q_OBJECT
public:
    Tfer2();

    TLabel* Label1;
    TNumLabel* nlw2;
    TLabel* Label2;
    QPushButton* bfermer2;
};
