#pragma once

#include "tlabel.h"
#include "tnumlabel.h"
#include "uifont.h"

#include <QLatin1String>
#include <QPoint>
#include <QRect>
#include <QString>

// One caption or numeric field of the windows' tables (the input area, the
// data panel), built the same way wherever a table lists it.

inline TLabel* addCaption(QWidget* parent, const char* name, QPoint at, const QString& caption,
                          int style, int pixelHeight) {
    auto* label = new TLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(uiFont(pixelHeight, style));
    label->SetCaption(caption);
    label->move(at);
    return label;
}

// A whole-number field in the 13-pixel font.
inline TNumLabel* addNumericField(QWidget* parent, const char* name, const QRect& geometry,
                                  TBorderStyle border, TColor colour) {
    auto* field = new TNumLabel(parent);
    field->setObjectName(QLatin1String(name));
    field->setFont(uiFont(13));
    field->setGeometry(geometry);
    field->SetBorderStyle(border);
    field->SetColor(colour);
    field->applyProgramFieldSettings();
    return field;
}
