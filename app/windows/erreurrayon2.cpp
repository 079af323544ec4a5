#include "erreurrayon2.h"

Terrrayon2::Terrrayon2()
    : TWarningWindow(QStringLiteral("errrayon2"), tr("Attention courbe droite."),
                     QStringLiteral("lrayon2"), QPoint(68, 24))
    , lrayon2(warningLabel())
    , bfermer3(closeButton()) {}
