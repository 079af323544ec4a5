#include "credits.h"

#include "tlabel.h"
#include "uifont.h"

TCredit::TCredit()
    : TSecondaryWindow(QStringLiteral("Credit"), tr("Credit"), QPoint(337, 220), QSize(438, 186),
                       11) {
    Label1 = addLabel(QStringLiteral("Label1"), QPoint(72, 8), uiFont(16, fsBold),
                      tr("Quarvel ramp designer V1.0"));
    Label2 =
        addLabel(QStringLiteral("Label2"), QPoint(48, 40), uiFont(16), tr("Quarvel project team"));
    Label3 = addLabel(QStringLiteral("Label3"), QPoint(144, 72), uiFont(16),
                      tr("Quarvel, mini-ramp designer"));
    Label4 = addLabel(QStringLiteral("Label4"), QPoint(152, 96), uiFont(16), tr("Décembre 2026"));
    bnfermer = addCloseButton(QStringLiteral("bnfermer"), QRect(152, 120, 113, 25), uiFont(16));
}
