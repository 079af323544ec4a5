#pragma once

#include <QByteArray>
#include <QString>

// A number rounded to at most decimals places, '.' as decimal point whatever
// the locale, without trailing zeros and never "-0": "1812.4", "60.3", "0".
// The one route from a length to its text: files, the construction line,
// JSON settings texts and the French texts (which change the point).
QByteArray decimalText(double value, int decimals);

// A text for people in French: each decimal point between two digits becomes
// a comma, "1812.4 ; 60.3" -> "1812,4 ; 60,3". Machine formats (JSON, CSV,
// .qvl, options) keep the point.
QString withDecimalCommas(QString text);

// A text for people in the language chosen at start: decimal commas in
// French, the point in English. The window, the text table, the CSV's words
// and the printed pages pass their numbers through here.
QString decimalsForPeople(QString text);
