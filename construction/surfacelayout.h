#pragma once

#include "constructionplan.h"

#include <array>
#include <QStringList>
#include <vector>

// The surface layers: their runs, pieces, seams and sheets. Lengths in mm.

// θ, the riding arc's angle from the toe up to the lip: π/2 for a wall, 0 for
// a curve of height 0.
double ridingAngle(double radius, double height);

// One curve's part of a layer's riding run, measured on that layer: the arc
// at radius R + m over θ, then the wall above the quarter point.
double curveRunLength(double radius, double height, double middleDepth);

// m of each layer: the layers above it plus half its own thickness.
std::vector<double> layerMiddleDepths(const std::vector<double>& thicknesses);

// How layer `layer` (0 at the top) of `layerCount` cuts a run: a first piece
// of short - layer * short / layerCount, whole sheets, then the remainder; a
// remainder under 300 mm is made 300 by shortening the first piece.
std::vector<double> runPieces(double length, int layer, int layerCount, double sheetShort);

// The seams between pieces laid end to end, from the run's start.
std::vector<double> pieceSeams(const std::vector<double>& pieces);

// Strips of length sheetShort that the pieces fill, first-fit decreasing, kerf
// between neighbouring pieces.
int stripCount(std::vector<double> pieces, double sheetShort, double kerf);

// Sheets giving `strips` strips across a ramp of the given width: whole sheets
// and parts of the rest of the width, several parts cut from one sheet.
int sheetsForStrips(int strips, double width, double sheetLong, double kerf);

// The smallest radius plywood of this thickness bends to dry, across the face
// grain (American Plywood Association figures).
double smallestBendRadius(double thickness);

// Every layer's runs, pieces, seams and sheets. deckRuns: the surfaced length
// of the left and right decks.
SurfacePlan layOutSurface(const RampDimensions& dims, const ConstructionSettings& settings,
                          std::array<double, 2> deckRuns);

// The frame stations under the riding seams of every layer that fall on a
// curve (mapped by angle; on the wall by height), unsorted and not limited to
// the frame curve.
std::vector<double> seamStations(const SurfacePlan& surface, const RampDimensions& dims, int curve,
                                 double frameRadius);

// The riding seams of every layer that fall on the flat, from its left end.
std::vector<double> flatSeams(const SurfacePlan& surface, const RampDimensions& dims);

// A warning per curve and layer bent tighter than its thickness bends dry.
QStringList bendWarnings(const RampDimensions& dims, const ConstructionSettings& settings);
