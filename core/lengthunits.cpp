#include "lengthunits.h"

#include "decimaltext.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cmath>
#include <numeric>

namespace {

constexpr double millimetresPerInch = 25.4;
constexpr long long inchesPerFoot = 12;
constexpr long long feetFromInches = 24; // tape measures read feet from 2 ft on
// Lengths to the nearest 1/16 in, thicknesses (plywood, timber) to 1/32 in.
constexpr long long lengthPartsPerInch = 16;
constexpr long long thicknessPartsPerInch = 32;

// "n/d" reduced, "" for no fraction.
QString fractionText(long long numerator, long long denominator) {
    if (numerator == 0) return {};
    const long long divisor = std::gcd(numerator, denominator);
    return QStringLiteral("%1/%2").arg(numerator / divisor).arg(denominator / divisor);
}

// Whole inches and a fraction of parts: "11 3/8", "12", "3/8", "" for nothing.
QString inchesPart(long long parts, long long perInch) {
    const long long whole = parts / perInch;
    const QString fraction = fractionText(parts % perInch, perInch);
    if (whole == 0) return fraction;
    if (fraction.isEmpty()) return QString::number(whole);
    return QStringLiteral("%1 %2").arg(whole).arg(fraction);
}

// In inches to the nearest 1/perInch, reduced; with feet, feet and inches
// from feetFromInches on.
QString inchesText(double millimetres, long long perInch, bool withFeet) {
    const long long rounded = std::llround(millimetres / millimetresPerInch * double(perInch));
    const QString sign = rounded < 0 ? QStringLiteral("-") : QString();
    const long long parts = std::llabs(rounded);
    if (parts == 0) return QStringLiteral("0\"");
    if (!withFeet || parts < feetFromInches * perInch)
        return sign + inchesPart(parts, perInch) + u'"';
    const long long perFoot = inchesPerFoot * perInch;
    const QString feet = sign + QString::number(parts / perFoot) + u'\'';
    const QString inches = inchesPart(parts % perFoot, perInch);
    return inches.isEmpty() ? feet : feet + u' ' + inches + u'"';
}

// "3", "3.5" or "3,5" as a number.
double decimalNumber(QString text) {
    return text.replace(u',', u'.').toDouble();
}

} // namespace

QString lengthText(double millimetres, LengthUnit unit) {
    if (unit == LengthUnit::Millimetres) return QString::fromLatin1(decimalText(millimetres, 1));
    return inchesText(millimetres, lengthPartsPerInch, true);
}

QString lengthTextAtMost(double millimetres, LengthUnit unit) {
    // A hair over a step is the step itself: a total in floating point may
    // fall just short of it.
    constexpr double hair = 1e-6;
    const double step =
        unit == LengthUnit::Millimetres ? 0.1 : millimetresPerInch / double(lengthPartsPerInch);
    return lengthText(std::floor(millimetres / step + hair) * step, unit);
}

QString thicknessText(double millimetres, LengthUnit unit) {
    if (unit == LengthUnit::Millimetres) return QString::fromLatin1(decimalText(millimetres, 1));
    return inchesText(millimetres, thicknessPartsPerInch, false);
}

QString lengthWithUnit(double millimetres, LengthUnit unit) {
    const QString text = lengthText(millimetres, unit);
    return unit == LengthUnit::Millimetres ? text + QStringLiteral(" mm") : text;
}

QString thicknessWithUnit(double millimetres, LengthUnit unit) {
    const QString text = thicknessText(millimetres, unit);
    return unit == LengthUnit::Millimetres ? text + QStringLiteral(" mm") : text;
}

QString unitName(LengthUnit unit) {
    if (unit == LengthUnit::Millimetres) return QStringLiteral("mm");
    return QCoreApplication::translate("LengthUnits", "po");
}

std::optional<double> lengthFromText(const QString& text, LengthUnit unit) {
    const QString trimmed = text.trimmed();
    if (unit == LengthUnit::Millimetres) {
        static const QRegularExpression millimetres(
            QStringLiteral(R"(^(\d+(?:[.,]\d*)?|[.,]\d+)\s*(?:mm)?$)"));
        const QRegularExpressionMatch match = millimetres.match(trimmed);
        if (!match.hasMatch()) return std::nullopt;
        return decimalNumber(match.captured(1));
    }
    // 6' 1 3/8"  6'  3 1/2  3-1/2"  3.5  23/32
    static const QRegularExpression inches(QStringLiteral(
        R"(^(?:(\d+(?:[.,]\d+)?)\s*'\s*-?\s*)?)"
        R"((?:(\d+(?:[.,]\d+)?)(?:(?:\s+|\s*-\s*)(\d+)/(\d+))?|(\d+)/(\d+))?\s*(?:"|in|po)?$)"));
    const QRegularExpressionMatch match = inches.match(trimmed);
    if (!match.hasMatch() || trimmed.isEmpty() || trimmed.startsWith(u'"')) return std::nullopt;
    double total = 0;
    if (match.hasCaptured(1)) total += decimalNumber(match.captured(1)) * inchesPerFoot;
    if (match.hasCaptured(2)) total += decimalNumber(match.captured(2));
    for (int numerator : {3, 5}) {
        if (!match.hasCaptured(numerator)) continue;
        const double denominator = match.captured(numerator + 1).toDouble();
        if (denominator == 0) return std::nullopt;
        total += match.captured(numerator).toDouble() / denominator;
    }
    if (!match.hasCaptured(1) && !match.hasCaptured(2) && !match.hasCaptured(5))
        return std::nullopt;
    return total * millimetresPerInch;
}

QString unitKey(LengthUnit unit) {
    return unit == LengthUnit::Inches ? QStringLiteral("in") : QStringLiteral("mm");
}

std::optional<LengthUnit> unitFromKey(const QString& key) {
    if (key == QLatin1String("mm")) return LengthUnit::Millimetres;
    if (key == QLatin1String("in")) return LengthUnit::Inches;
    return std::nullopt;
}
