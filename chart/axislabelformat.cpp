#include "axislabelformat.h"

#include <cmath>
#include <QLocale>

AxisLabelSeparators AxisLabelSeparators::system() {
    const QLocale locale = QLocale::system();
    AxisLabelSeparators s;
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    if (!decimal.isEmpty()) s.decimalSeparator = decimal.at(0);
    if (!group.isEmpty()) s.thousandsSeparator = group.at(0);
    return s;
}

namespace {

struct MaskShape {
    bool grouping = false;
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
};

// Only the digit placeholders matter for axis labels: "0" a required digit,
// "#" an optional one, "," grouping, "." the decimal point.
MaskShape shapeOf(QStringView mask) {
    MaskShape shape;
    bool afterPoint = false;
    for (QChar c : mask) {
        if (c == QLatin1Char('.')) {
            afterPoint = true;
        } else if (c == QLatin1Char(',')) {
            if (!afterPoint) shape.grouping = true;
        } else if (c == QLatin1Char('0')) {
            if (afterPoint) {
                ++shape.minDecimals;
                ++shape.maxDecimals;
            } else {
                ++shape.minIntegerDigits;
            }
        } else if (c == QLatin1Char('#')) {
            if (afterPoint) ++shape.maxDecimals;
        }
    }
    return shape;
}

} // namespace

QString formatAxisLabel(double value, QStringView mask, const AxisLabelSeparators& separators) {
    if (!std::isfinite(value)) return QString::number(value);
    const MaskShape shape = shapeOf(mask);
    // 'f' rounds the exact binary value, which is what rounding the 18-digit
    // decimal expansion of a double gives at three decimals.
    QString digits = QString::number(std::fabs(value), 'f', shape.maxDecimals);
    QString integerPart = digits;
    QString fraction;
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    if (point >= 0) {
        integerPart = digits.left(point);
        fraction = digits.mid(point + 1);
    }
    while (fraction.size() > shape.minDecimals && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    // Leading zeros only as many as the mask requires.
    while (integerPart.size() > 1 && integerPart.startsWith(QLatin1Char('0')))
        integerPart.remove(0, 1);
    if (integerPart == QLatin1String("0") && shape.minIntegerDigits == 0) integerPart.clear();
    while (integerPart.size() < shape.minIntegerDigits)
        integerPart.prepend(QLatin1Char('0'));

    bool allZero = true;
    for (QChar c : integerPart + fraction)
        if (c != QLatin1Char('0')) allZero = false;

    QString grouped;
    if (shape.grouping) {
        const qsizetype n = integerPart.size();
        for (qsizetype i = 0; i < n; ++i) {
            if (i > 0 && (n - i) % 3 == 0) grouped += separators.thousandsSeparator;
            grouped += integerPart.at(i);
        }
    } else {
        grouped = integerPart;
    }
    QString text = grouped;
    if (!fraction.isEmpty()) text += separators.decimalSeparator + fraction;
    // A value that rounds to zero shows no sign.
    if (value < 0 && !allZero) text.prepend(QLatin1Char('-'));
    return text;
}
