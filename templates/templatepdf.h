#pragma once

#include "constructionplan.h"
#include "lengthunits.h"

#include <optional>
#include <QByteArray>
#include <QStringView>

// The full-scale templates of a plan's side panels, as a PDF.
enum class TemplatePaper { A4, Letter, A3, Full };

// "a4", "letter", "a3", "full"; nothing for anything else.
std::optional<TemplatePaper> parseTemplatePaper(QStringView text);

// The whole PDF in memory. Tiled paper: page 1 holds the design, the
// calibration squares and the map of the tiles; then the ordinates and the
// string method of each distinct panel; then its tiles. Full: one page per
// distinct panel, its size the panel's plus 10 mm on every side, for a
// plotter. Needs a QGuiApplication (fonts). Throws QuarvelError: a panel too
// large for tiles or for one page, a plan without side panels, an overlap
// outside 5 to 50 mm. unit: the lengths' in the words, the ordinates taken
// every 4 in (and 2 in of height) in inches; the geometry is the same.
// The tiles' overlap unless one is asked for.
constexpr double defaultTileOverlapMm = 15;

QByteArray templatePdf(const ConstructionPlan& plan, TemplatePaper paper,
                       double overlapMm = defaultTileOverlapMm,
                       LengthUnit unit = LengthUnit::Millimetres);

// Page 1's calibration squares, in mm from the page's top-left corner.
struct CalibrationSquares {
    static constexpr double left = 10;
    static constexpr double metricTop = 52;
    static constexpr double metricSide = 100;
    static constexpr double imperialTop = 158;
    static constexpr double imperialSide = 101.6; // 4 in
};

// The unprinted margin of every page, and around a full-size panel.
inline constexpr double templateMargin = 10;
// The largest side a PDF page may have (14 400 pt, 5.08 m).
inline constexpr double maxPdfPagePoints = 14400;
