#pragma once

#include "tsecondarywindow.h"

#include <QStringList>

class QPushButton;
class QTextEdit;
class TLabel;

// The help window, shown by the menu "Aide" > "Utilisation du logiciel".
class Taidefiche : public TSecondaryWindow {
    Q_OBJECT
public:
    Taidefiche();

    // The sixteen lines of the help text, blank ones included.
    static QStringList helpLines();

    TLabel* Label1;
    QTextEdit* RichEdit1;
    QPushButton* Button1;
};
