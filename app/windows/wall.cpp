#include "wall.h"

// The window font is 16 pixels high here, and the button uses it.
Tfer::Tfer()
    : TWallWindow(QStringLiteral("fer"), tr("Verticale courbe gauche."), 16, QStringLiteral("nlw"),
                  tr("cm de verticale à gauche."), QStringLiteral("bfermer"), 16)
    , Label1(textLabel())
    , nlw(heightField())
    , Label2(unitLabel())
    , bfermer(closeButton()) {}
