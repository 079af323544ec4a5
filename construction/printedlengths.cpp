#include "printedlengths.h"

#include "decimaltext.h"
#include "timbersection.h"

QString lengthCell(double millimetres, LengthUnit unit) {
    return decimalsForPeople(lengthText(millimetres, unit));
}

QString thicknessCell(double millimetres, LengthUnit unit) {
    return decimalsForPeople(thicknessText(millimetres, unit));
}

QString lengthWords(double millimetres, LengthUnit unit) {
    return numberWithUnit(lengthCell(millimetres, unit), unit);
}

QString thicknessWords(double millimetres, LengthUnit unit) {
    return numberWithUnit(thicknessCell(millimetres, unit), unit);
}

QString sectionCell(double width, double depth, LengthUnit unit) {
    return decimalsForPeople(timberSectionText(width, depth, unit));
}

QString sectionWords(double width, double depth, LengthUnit unit) {
    return numberWithUnit(sectionCell(width, depth, unit), unit);
}

QString numberWithUnit(const QString& numbers, LengthUnit unit) {
    // The inch mark written by lengthText is the unit already.
    return unit == LengthUnit::Millimetres ? numbers + u' ' + unitName(unit) : numbers;
}

QString designLengthWords(int centimetres, LengthUnit unit) {
    if (unit == LengthUnit::Inches) return lengthWords(centimetres * 10.0, unit);
    return QStringLiteral("%1 cm").arg(centimetres);
}
