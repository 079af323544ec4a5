#pragma once

#include "constructionplan.h"
#include "constructionwords.h"
#include "stationlayout.h"

#include <array>
#include <QStringList>
#include <vector>

// The surface layers: their runs, pieces, seams and sheets. Lengths in mm.

// θ, the riding arc's angle from the toe up to the lip: π/2 for a wall, 0 for
// a curve of height 0.
double ridingAngle(double radius, double height);

// One curve's part of a layer's run up to the lip, measured on that layer: the
// arc at radius R + m over θ, then the wall above the quarter point.
double curveRunLength(double radius, double height, double middleDepth);

// One curve's part of the run of the layer lying from depth `top` to depth
// `bottom` under the riding surface, measured at its middle depth: the layer
// stops, cut square, where either of its faces first meets the coping pipe (of
// diameter `pipe`, standing `reveal` proud of the riding surface), and at the
// lip when neither does (or without a pipe).
double layerCurveRun(double radius, double height, double top, double bottom, double pipe,
                     double reveal);

// m of each layer: the layers above it plus half its own thickness.
std::vector<double> layerMiddleDepths(const std::vector<double>& thicknesses);

// The piece each end of a run starts with on layer `layer` (0 at the top) of
// `layerCount`: short·(1 − layer/layerCount), so that the layers' seams never
// line up; never under the shortest piece.
double firstPieceLength(int layer, int layerCount, double sheetShort);

// How a riding run is cut, laid from both lips toward the middle: the first
// piece at each end, whole sheets on both sides, one centred remainder (two
// equal halves when it exceeds a sheet); a middle piece under 300 mm takes
// from its two neighbours. A run no longer than a sheet is one piece, one no
// longer than two first pieces two equal halves.
std::vector<double> ridingPieces(double length, double first, double sheetShort);

// How a deck run is cut, laid from the pipe back: the first piece, whole
// sheets, the remainder at the deck's back end (one under 300 mm takes from
// the piece before it). A run no longer than a sheet is one piece.
std::vector<double> deckPieces(double length, double first, double sheetShort);

// The seams between pieces laid end to end, from the run's start.
std::vector<double> pieceSeams(const std::vector<double>& pieces);

// The pieces packed first-fit decreasing into strips of length sheetShort,
// kerf between neighbouring pieces: the indices of each strip's pieces.
std::vector<std::vector<int>> packStrips(const std::vector<double>& pieces, double sheetShort,
                                         double kerf);

// How a layer covers the ramp's width: whole sheets' long sides and the
// narrow part, with the sheets its strips take.
struct WidthCover {
    std::vector<double> across; // from the side y = 0
    std::optional<WidthSide> narrowSide;
    int sheets = 0;
};

// A rest of at most this much over whole sheets is left open at the sides.
constexpr double openWidthStrip = 10;

// The cover of `strips` strips across `width` for layer `layer`: ⌊W / long⌋
// whole sheets and a narrow part of the rest (none up to openWidthStrip; at
// least 300 mm, the sheet beside it giving way), cut several to a sheet; the
// narrow part lies at the left on even layers, at the right on odd ones.
WidthCover coverWidth(int strips, double width, double sheetLong, double kerf, int layer);

// The smallest radius plywood of this thickness bends to dry, across the face
// grain (American Plywood Association figures).
double smallestBendRadius(double thickness);

// Every layer's runs, pieces, seams, strips and sheets. deckRuns: the surfaced
// length of the left and right decks.
SurfacePlan layOutSurface(const RampDimensions& dims, const ConstructionSettings& settings,
                          std::array<double, 2> deckRuns);

// The frame stations under the riding seams of every layer that fall on a
// curve (mapped by angle; on the wall by height), unsorted and not limited to
// the frame curve.
std::vector<Seam> seamStations(const SurfacePlan& surface, int curve, double frameRadius,
                               const RampDimensions& dims);

// The riding seams of every layer that fall on the flat, from its left end.
std::vector<Seam> flatSeams(const SurfacePlan& surface, const RampDimensions& dims);

// The seams of every layer on one deck, from its back end.
std::vector<Seam> deckSeams(const SurfacePlan& surface, int side);

// A warning per curve and layer bent tighter than its thickness bends dry.
// For people the lengths are in unit; the source (the JSON's) in millimetres.
QStringList bendWarnings(const RampDimensions& dims, const ConstructionSettings& settings,
                         Wording wording = Wording::people,
                         LengthUnit unit = LengthUnit::Millimetres);
