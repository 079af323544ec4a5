#pragma once

#include "constructionsettings.h"
#include "lengthunits.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>

// The settings dialog shows lengths with the locale's decimal separator and
// the surface layers as "9 + 9"; the settings keys take '.' decimals and
// comma-separated layers. These convert between the two without a window.

// A length as a field shows it: "60,3" in a French locale, "60.3" in C.
QString lengthFieldText(double mm, const QLocale& locale);

// The fields of one key, as the dialog shows the settings, by the key's kind:
// a list one field {"9 + 9"}; sides {left, right}, empty for the deck's
// length; a pair {first, second}; a length {its length}.
QStringList settingFieldTexts(const ConstructionSettings& settings, QStringView key,
                              const QLocale& locale);

// The key's value from its fields, in the form setConstructionSetting takes
// ("9,9", "-,600", "89x38", "60.3"). A field that is not a plain decimal
// number in the locale (a ',' typed where the locale writes '.', a letter) is
// refused here, with ConstructionSettingError naming the key and its range:
// passed on, a stray ',' would split a surface layer in two.
QString settingKeyText(QStringView key, const QStringList& fields, const QLocale& locale);

// The same in a unit: in inches each length as a tape measure reads it
// ("4'", "23/32\"": thicknesses and sections to 1/32 in, other lengths to
// 1/16 in), typed back in any form lengthFromText takes; in millimetres as
// above.
QStringList settingFieldTexts(const ConstructionSettings& settings, QStringView key,
                              const QLocale& locale, LengthUnit unit);
QString settingKeyText(QStringView key, const QStringList& fields, const QLocale& locale,
                       LengthUnit unit);

// The refusal of the key's fields as typed, its range in the unit.
ConstructionSettingError settingRefusal(QStringView key, const QStringList& fields,
                                        LengthUnit unit);
