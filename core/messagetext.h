#pragma once

#include <QString>

// The text the error box shows: the message, with a "." added when it is not
// empty and its last character's code is above 46 (so "...", ",", "-", ")" and
// "!" endings are left alone).
QString withFinalPeriod(const QString& message);
