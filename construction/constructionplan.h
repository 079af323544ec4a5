#pragma once

#include "constructionsettings.h"
#include "outline.h"
#include "rampdimensions.h"

#include <array>
#include <optional>
#include <QStringList>
#include <vector>

// The construction plan of a design: side panels, ribs, joists, surface
// sheets, coping and the side panels nested on sheets. All lengths in
// millimetres, exact doubles (not rounded to the centimetres of the main
// window). Curves are indexed 0 = left, 1 = right; a right panel is described
// in its own coordinates (u from its back end toward the flat), like the left.

enum CurveSide { leftCurve = 0, rightCurve = 1 };

// The rib timber cut between neighbouring panels.
struct PieceCount {
    int pieces = 0;
    double length = 0; // of one piece
};

// One cut of a panel too large for a sheet, along the curve's normal.
struct PanelSplit {
    int curve = leftCurve;
    double station = 0; // s along the frame curve
    QPointF from;       // on the frame curve
    QPointF to;         // on the panel's far edge
};

// A piece of a panel: the whole panel when it is not split; piece 0 holds the
// back end.
struct PanelPiece {
    Outline outline; // panel coordinates
};

struct CurvePlan {
    // Design values of this curve, in mm.
    double deck = 0;   // P
    double radius = 0; // R
    double height = 0; // H
    double back = 0;   // panel length behind the lip

    double ground = 0;            // G
    QPointF pivot;                // (u_c, v_c)
    double frameRadius = 0;       // R_f
    double deckFrameTop = 0;      // v_d
    std::optional<QPointF> pipe;  // pipe centre (u_p, v_p)
    std::optional<QPointF> notch; // (back wall u, floor v)
    double notchFloor = 0;        // v_n (v_d without a notch)
    QPointF top;                  // top of the frame curve (where it meets v_n)
    double wall = 0;              // height of the vertical frame edge
    double curveLength = 0;       // S: frame arc plus wall edge
    double panelLength = 0;       // u_c
    double panelHeight = 0;       // v_d
    int panelCount = 0;           // n_p across the width
    double panelPitch = 0;        // centre to centre across the width
    std::vector<double> stations; // rib stations s, from the toe up
    std::vector<QPointF> stationPoints;
    PieceCount ribs;
    Outline outline; // counter-clockwise from (0, 0)
    std::vector<PanelPiece> pieces;
    std::vector<PanelSplit> splits; // the cuts between the pieces, from the back end
};

// One distinct side panel: the panels of both curves when they are the same
// panel (distinctpanels.h), else those of one curve.
struct DistinctPanel {
    int curve = leftCurve;       // whose CurvePlan describes it
    std::array<int, 2> counts{}; // panels of the left and of the right curve cut to it
    int count() const { return counts[0] + counts[1]; }
    bool bothCurves() const { return counts[0] > 0 && counts[1] > 0; }
};

struct SurfaceLayerPlan {
    double thickness = 0;
    double riding = 0;                            // its riding run, lip to lip
    std::array<double, 2> decks{};                // left, right deck runs
    std::vector<double> seams;                    // along the riding run from the left lip
    std::array<std::vector<double>, 2> deckSeams; // along each deck from its back end
    std::vector<double> pieces;                   // every piece's length, all runs
    int sheets = 0;
};

struct SurfacePlan {
    std::vector<SurfaceLayerPlan> layers;
    int sheets = 0;
};

struct JoistPlan {
    std::vector<double> stations; // centres
    int pieces = 0;
    double length = 0;
};

struct PlacedPart {
    int curve = leftCurve;
    int piece = 0;
    double x = 0; // lower-left corner of the placed bounding box on the sheet
    double y = 0;
    bool turned = false;
    bool mirrored = false;
};

struct SheetLayout {
    std::vector<PlacedPart> parts;
};

// The side panels' parts nested on plywood sheets.
struct NestingPlan {
    int count = 0;
    std::vector<SheetLayout> layout;
};

struct ConstructionPlan {
    RampDimensions dims;
    ConstructionSettings settings;
    std::array<std::optional<CurvePlan>, 2> curves;
    std::vector<DistinctPanel>
        panels; // left first: the cut list, nesting, templates, files and window
    SurfacePlan surface;
    std::optional<JoistPlan> leftDeck;
    std::optional<JoistPlan> flat;
    std::optional<JoistPlan> rightDeck;
    PieceCount copingPipes;  // the pipes along the lips (their diameter: settings.coping)
    NestingPlan panelSheets; // the side panels nested (the surface's sheets: surface.sheets)
    QStringList warnings;    // French sentences
};

// The whole plan. Throws QuarvelError: the dimensions as Tracer refuses them
// (same message), ConstructionSettingError for settings the design cannot be
// built with, "Flanc trop grand pour les feuilles", too many parts to nest.
ConstructionPlan buildConstructionPlan(const RampDimensions& dims,
                                       const ConstructionSettings& settings);

// A placed part's outline on its sheet (the long side along x): mirrored
// first when mirrored, then turned about its bounding box's centre, then
// moved so that its bounding box's lower-left corner is at (x, y).
Outline placedOutline(const ConstructionPlan& plan, const PlacedPart& part);
