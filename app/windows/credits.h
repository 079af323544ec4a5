#pragma once

#include "tsecondarywindow.h"

class QPushButton;
class TLabel;

// The credits window, shown by the menu "Aide" > "Crédits".
class TCredit : public TSecondaryWindow {
    Q_OBJECT
public:
    TCredit();

    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label3;
    TLabel* Label4;
    QPushButton* bnfermer;
};
