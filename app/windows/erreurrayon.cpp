#include "erreurrayon.h"

Terrrayon::Terrrayon()
    : TWarningWindow(QStringLiteral("errrayon"), tr("Attention courbe gauche."),
                     QStringLiteral("lrayon"), QPoint(80, 24))
    , lrayon(warningLabel())
    , bfermer3(closeButton()) {}
