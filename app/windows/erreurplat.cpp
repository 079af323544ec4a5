#include "erreurplat.h"

Terrplat::Terrplat()
    : TWarningWindow(QStringLiteral("errplat"), tr("Attention."), QStringLiteral("lplat"),
                     QPoint(80, 16))
    , lplat(warningLabel())
    , bfermer3(closeButton()) {}
