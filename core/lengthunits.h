#pragma once

#include <QString>

#include <optional>

enum class LengthUnit { Millimetres, Inches };

// "1812.4" (one decimal at most, point; people's texts pass through withDecimalCommas as today)
// or, in inches, to the nearest 1/16 reduced, feet and inches from 24 in on: "3 1/2\"", "17 5/8\"",
// "5' 11 3/8\"", "0\"".
QString lengthText(double millimetres, LengthUnit unit);
// The same rounded down, never more than millimetres: for a bound.
QString lengthTextAtMost(double millimetres, LengthUnit unit);
// Thicknesses and sections: inches to the nearest 1/32 reduced, never feet ("23/32\"", "3/8\"").
QString thicknessText(double millimetres, LengthUnit unit);
// The same followed by its unit, as a sentence gives it, point for decimals:
// "1812.4 mm", "5' 11 3/8\"" (the inch mark is the unit).
QString lengthWithUnit(double millimetres, LengthUnit unit);
QString thicknessWithUnit(double millimetres, LengthUnit unit);
// The unit's name after a number or in a column heading: "mm" or "po" in French, "in" in English.
QString unitName(LengthUnit unit);
// A length typed by a person in the unit shown, back to millimetres; nullopt if not a length.
std::optional<double> lengthFromText(const QString& text, LengthUnit unit);
// "mm" / "in" for options (--units), and back.
QString unitKey(LengthUnit unit);
std::optional<LengthUnit> unitFromKey(const QString& key);
