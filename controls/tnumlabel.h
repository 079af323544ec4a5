#pragma once

#include "tcustomnumlabel.h"

// The numeric display field as the program's windows place it: every
// behaviour comes from TCustomNumLabel.
class TNumLabel : public TCustomNumLabel {
    Q_OBJECT
public:
    explicit TNumLabel(QWidget* owner = nullptr);
    TNumLabel(QWidget* owner, const NumberFormatSettings& settings);

    // The settings every field of the program's windows is loaded with, in
    // their loading order: Decimals 0, Mask "0", UseRounding on. The field
    // then shows its value rounded to a whole number, halves away from zero.
    void applyProgramFieldSettings();
};
