#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

// The separators axis labels are written with: the user's regional settings
// unless a test or the owner gives others.
struct AxisLabelSeparators {
    QChar decimalSeparator = QLatin1Char('.');
    QChar thousandsSeparator = QLatin1Char(',');
    static AxisLabelSeparators system();
};

// An axis label value as text under a number mask such as "#,##0.###" (the
// mask's "." is the decimal point and "," asks for grouping by threes).
QString formatAxisLabel(double value, QStringView mask, const AxisLabelSeparators& separators);
