#include "wall2.h"

Tfer2::Tfer2()
    : TWallWindow(QStringLiteral("fer2"), tr("Verticale courbe droite."), 11,
                  QStringLiteral("nlw2"), tr("cm de verticale à droite."),
                  QStringLiteral("bfermer2"), 16)
    , Label1(textLabel())
    , nlw2(heightField())
    , Label2(unitLabel())
    , bfermer2(closeButton()) {}
