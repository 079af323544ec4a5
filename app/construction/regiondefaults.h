#pragma once

#include "constructionsettings.h"
#include "lengthunits.h"

#include <QLocale>

// What the window starts with where the user lives: in the United States and
// Canada inches, the North American preset for new designs and Letter paper;
// elsewhere millimetres, Europe and A4.
struct RegionDefaults {
    LengthUnit unit = LengthUnit::Millimetres;
    const ConstructionPreset* preset = nullptr;
    int paperIndex = 0; // the settings dialog's paper choices: A4, Letter, A3, full size
};

RegionDefaults regionDefaults(QLocale::Territory territory);

// The settings key keeping the unit the user chose last ("mm" or "in").
inline constexpr char lengthUnitSettingsKey[] = "construction/unit";
