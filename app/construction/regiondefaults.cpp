#include "regiondefaults.h"

RegionDefaults regionDefaults(QLocale::Territory territory) {
    constexpr int a4Index = 0;
    constexpr int letterIndex = 1;
    if (territory == QLocale::UnitedStates || territory == QLocale::Canada)
        return {LengthUnit::Inches, constructionPreset(u"na"), letterIndex};
    return {LengthUnit::Millimetres, constructionPreset(u"eu"), a4Index};
}
