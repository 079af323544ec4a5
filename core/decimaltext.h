#pragma once

#include <QByteArray>

// A number rounded to at most decimals places, '.' as decimal point whatever
// the locale, without trailing zeros and never "-0": "1812.4", "60.3", "0".
// The one route from a length to its text: files, the construction line,
// JSON settings texts and the French texts (which change the point).
QByteArray decimalText(double value, int decimals);
