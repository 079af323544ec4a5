#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

// The separators and currency symbol a formatted number is written with.
// Tests fix them; the program takes them from the user's regional settings.
struct NumberFormatSettings {
    QChar decimalSeparator = QLatin1Char('.');
    QChar thousandsSeparator = QLatin1Char(',');
    QString currencySymbol;

    // The settings of the system locale at the moment of the call.
    static NumberFormatSettings system();
};

// Formats value under a number mask. The mask always uses "." for the decimal
// point and "," for grouping; the output uses the separators of settings.
//
// Mask elements: "0" (digit, zero when absent), "#" (digit only when
// significant), the first "." (decimal point), "," anywhere in a section
// (group the integer part by threes), "E+" "E-" "e+" "e-" followed by "0"s
// (scientific notation, at most 4 exponent digits counted), text in single or
// double quotes (copied without the quotes) and up to three ";"-separated
// sections: positive; negative; zero. Any other character is copied.
//
// The value is first taken to 18 significant digits (ties to even), then cut
// at the last shown digit, halves away from zero. An empty mask, or an integer
// part of more than 18 digits under a mask without exponent, gives the general
// form (see formatGeneralNumber).
QString formatNumberMask(long double value, QStringView mask, const NumberFormatSettings& settings);

// The general form: at most 15 significant digits, plain notation for
// magnitudes from 1E-5 up to below 1E15, otherwise a mantissa followed by "E"
// and the exponent ("1,5E20", "-2E-7"). Infinities and NaN read "INF",
// "-INF" and "NAN".
QString formatGeneralNumber(long double value, const NumberFormatSettings& settings);
