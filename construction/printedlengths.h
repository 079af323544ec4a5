#pragma once

#include "lengthunits.h"

#include <QString>

// Lengths in the texts for people of the printed outputs (the templates, the
// cut files' labels, the build book, the plan window), in the unit chosen for
// them, decimals as the program's language writes them.

// The number alone, for a column headed by its unit: "1812,4", "5' 11 3/8\"".
QString lengthCell(double millimetres, LengthUnit unit);
QString thicknessCell(double millimetres, LengthUnit unit);

// The number and its unit, within a sentence: "1812,4 mm", "5' 11 3/8\""
// (the inch mark is the unit).
QString lengthWords(double millimetres, LengthUnit unit);
QString thicknessWords(double millimetres, LengthUnit unit);

// A number or numbers written by the functions above, and their unit:
// "1812,4 × 900 mm", "5' 11 3/8\" × 35 7/16\"".
QString numberWithUnit(const QString& numbers, LengthUnit unit);

// One of the design's dimensions, whole centimetres: "244 cm", "8'".
QString designLengthWords(int centimetres, LengthUnit unit);

// A timber or rib section, width by depth (timberSectionText): "89 × 38" in
// millimetres; in inches its nominal name when it has one ("2×4").
QString sectionCell(double width, double depth, LengthUnit unit);
// The same within a sentence: "89 × 38 mm", "2×4".
QString sectionWords(double width, double depth, LengthUnit unit);
