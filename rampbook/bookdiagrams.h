#pragma once

#include "bookcanvas.h"
#include "constructionplan.h"
#include "lengthunits.h"
#include "timbercutting.h"

#include <QSizeF>

// The book's cut diagrams, drawn to scale on a BookCanvas: a plywood sheet
// with the parts nested on it, a board with its pieces in order and the
// offcut. Each is a plain function of the plan so that the book only places
// them.

// The size in mm a sheet's diagram takes at this width.
QSizeF sheetDiagramSize(const ConstructionSettings& settings, double width);
// The sheet drawn to fill the canvas, each part's outline with its label
// (its cut-list article) at its centre.
void drawSheet(BookCanvas& canvas, const ConstructionPlan& plan, const SheetLayout& sheet,
               LengthUnit unit = LengthUnit::Millimetres);

// A placed part's cut-list article: "Flanc courbe gauche", a piece or a
// splice plate of one.
QString placedPartArticle(const ConstructionPlan& plan, const PlacedPart& part);

// The height in mm of a board's diagram, its labels included.
constexpr double boardDiagramHeight = 16;
// The board along the canvas's width (the longest stock length fills it):
// its pieces in order with their lengths, the offcut hatched.
void drawBoard(BookCanvas& canvas, const TimberBoard& board, double longestStock, double kerf,
               LengthUnit unit = LengthUnit::Millimetres);

// The height in mm of a surface layer's diagram.
constexpr double layerDiagramHeight = 20;
// A surface layer along the canvas's width, from the left deck's back end to
// the right one's: each piece with its length, the seams between them with a
// mark under each for the rib or joist the plan sets there, the lips.
void drawLayer(BookCanvas& canvas, const SurfaceLayerPlan& layer,
               LengthUnit unit = LengthUnit::Millimetres);
// Where a layer's piece starts, from the left deck's back end along the
// layer's whole run.
double pieceStart(const SurfaceLayerPlan& layer, const SurfacePiece& piece);

// Each piece's number in a layer, counted from the left deck's back end:
// numbers[i] for layer.pieces[i], from 1.
std::vector<int> layerPieceNumbers(const SurfaceLayerPlan& layer);
// The height in mm of a layer's sheets drawn side by side at this width.
double layerSheetsHeight(const SurfaceLayerPlan& layer, const ConstructionSettings& settings,
                         double width);
// The layer's strips, each a sheet standing (its short side across the
// canvas) with its pieces side by side as they are cut, numbered as
// layerPieceNumbers().
void drawLayerSheets(BookCanvas& canvas, const SurfaceLayerPlan& layer,
                     const ConstructionSettings& settings);
