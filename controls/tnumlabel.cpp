#include "tnumlabel.h"

TNumLabel::TNumLabel(QWidget* owner)
    : TCustomNumLabel(owner) {}

TNumLabel::TNumLabel(QWidget* owner, const NumberFormatSettings& settings)
    : TCustomNumLabel(owner, settings) {}

void TNumLabel::applyProgramFieldSettings() {
    SetDecimals(0);
    SetMask(QStringLiteral("0"));
    SetUseRounding(true);
}
