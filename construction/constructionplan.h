#pragma once

#include "constructionsettings.h"
#include "fasteners.h"
#include "outline.h"
#include "rampdimensions.h"
#include "timberlist.h"

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

// How many timber pieces of one length.
struct LengthCount {
    double length = 0;
    int count = 0;
    friend bool operator==(const LengthCount&, const LengthCount&) = default;
};

// The rib timber cut between neighbouring panels.
struct PieceCount {
    int pieces = 0;
    double length = 0; // of one piece
};

// How a panel too large for a sheet is cut: along the frame curve's normal
// at a rib station, vertically at a deck-joist station, or horizontally.
enum class SplitKind { normal, vertical, horizontal };

// One cut of a panel.
struct PanelSplit {
    int curve = leftCurve;
    SplitKind kind = SplitKind::normal;
    double station = 0; // normal: s along the frame curve
    double at = 0;      // vertical: u; horizontal: v
    QPointF from;       // the end at the frame curve or the top edge, where timber butts
    QPointF to;         // the far end
};

// The plate of panel plywood glued and screwed across a joint on the
// panel's inner face: one on every panel cut to the curve's panel.
struct PanelSplice {
    int curve = leftCurve;
    int split = 0;   // index into its curve's splits
    Outline outline; // panel coordinates
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

    double ground = 0;                  // G
    QPointF pivot;                      // (u_c, v_c)
    double frameRadius = 0;             // R_f
    double deckFrameTop = 0;            // v_d
    std::optional<QPointF> pipe;        // pipe centre (u_p, v_p)
    std::optional<QPointF> notch;       // (back wall u, floor v)
    double notchFloor = 0;              // v_n (v_d without a notch)
    QPointF top;                        // top of the frame curve (where it meets v_n)
    double wall = 0;                    // height of the vertical frame edge
    double curveLength = 0;             // S: frame arc plus wall edge
    double panelLength = 0;             // u_c
    double panelHeight = 0;             // v_d
    int panelCount = 0;                 // n_p across the width
    double panelPitch = 0;              // centre to centre across the width
    std::vector<double> stations;       // rib stations s, from the toe up
    std::vector<unsigned> stationSeams; // per station, bit i: a seam of layer i lies on it
    std::vector<QPointF> stationPoints;
    PieceCount ribs;
    Outline outline; // counter-clockwise from (0, 0)
    std::vector<PanelPiece> pieces;
    std::vector<PanelSplit> splits;        // the cuts between the pieces, in the order made
    std::vector<PanelSplice> splicePlates; // each cut's (one, or lengths of a long one), in order
};

// One distinct side panel: the panels of both curves when they are the same
// panel (distinctpanels.h), else those of one curve.
struct DistinctPanel {
    int curve = leftCurve;       // whose CurvePlan describes it
    std::array<int, 2> counts{}; // panels of the left and of the right curve cut to it
    int count() const { return counts[0] + counts[1]; }
    bool bothCurves() const { return counts[0] > 0 && counts[1] > 0; }
};

// A side of the ramp across its width: left is the side at y = 0, nearest a
// viewer of the profile, right the far side.
enum class WidthSide { left, right };

// Where a surface piece lies: on the left deck, the riding run from lip to
// lip, or the right deck.
enum class SurfaceRun { leftDeck, riding, rightDeck };

// One piece of a surface layer along its run; each spans the whole width.
struct SurfacePiece {
    SurfaceRun run = SurfaceRun::riding;
    double from = 0; // from the run's start: the riding run's left end, a deck's pipe
    double length = 0;
};

struct SurfaceLayerPlan {
    double thickness = 0;
    std::array<double, 2> curveRuns{};            // its run on the left and right curves
    double riding = 0;                            // its riding run, lip to lip
    std::array<double, 2> decks{};                // left, right deck runs
    std::vector<double> seams;                    // along the riding run from its left end
    std::array<std::vector<double>, 2> deckSeams; // along each deck from its back end
    std::vector<SurfacePiece> pieces;             // every run's pieces, left deck first
    std::vector<double> across;                   // widths across the ramp from the side y = 0
    std::optional<WidthSide> narrowSide;          // where the narrow part lies across
    std::vector<std::vector<int>> strips; // indices into pieces sharing a sheet's short side
    int sheets = 0;
};

struct SurfacePlan {
    std::vector<SurfaceLayerPlan> layers;
    int sheets = 0;
};

struct JoistPlan {
    std::vector<double> stations;       // centres
    std::vector<unsigned> stationSeams; // per station, bit i: a seam of layer i lies on it
    int pieces = 0;
    double length = 0;                // the longest piece
    std::vector<LengthCount> lengths; // every distinct length, longest first
    int copingBlocks = 0;             // of the pieces: the last station's, on edge behind the pipe
};

// The flat's ladder frame: a stringer along each panel line, on edge, the
// joists (JoistPlan) between them.
struct FlatFrame {
    int stringers = 0;
    double length = 0;               // F
    std::array<double, 2> section{}; // across the ramp × high
    std::vector<double> joints;      // of each stringer, from the flat's left end
};

// Pieces of one part: how many, the longest, every distinct length.
struct PartPieces {
    int count = 0;
    double length = 0;
    std::vector<LengthCount> lengths; // longest first
};

// Stringers on edge along the panel lines; one longer than the longest stock
// length is cut into equal pieces joined over a leg or a doubled joist.
struct Stringers {
    int count = 0;                   // one a panel line
    double length = 0;               // of a whole stringer
    std::array<double, 2> section{}; // across the ramp × high
    std::vector<double> joints;      // from the run's start

    int piecesEach() const { return int(joints.size()) + 1; }
    double pieceLength() const { return length / piecesEach(); }
};

// A rim: timber on edge across the ramp, one piece a bay.
struct Rim {
    PartPieces pieces;
    double station = 0;      // its centre from the deck's back end
    unsigned seamLayers = 0; // bit i: a seam of layer i lies on it
};

struct DeckLegs {
    int perLine = 0;
    int count = 0;                 // all lines
    std::vector<double> positions; // centres from the deck's back end
    double length = 0;
    std::array<double, 2> section{}; // across the ramp × along it
};

// What holds a deck the side panels do not carry: a frame on legs behind
// panels cut short of the deck (back < P), or, beside a curve of height 0, a
// ladder frame on the ground like the flat's.
enum class DeckFrameKind { legs, ground };

struct DeckFrame {
    DeckFrameKind kind = DeckFrameKind::legs;
    double length = 0; // along the deck from its back end
    Stringers stringers;
    // On legs: the frame's end joists between its stringers, and the rim on
    // the panels' back edges between the panels (bolted to the front rim).
    Rim backRim;
    Rim frontRim;
    Rim panelRim;
    JoistPlan joists; // between the rims, or the ladder's joists
    DeckLegs legs;
    std::vector<LengthCount> braces;
};

// What a placed part is: a side panel (or one piece of a split one), or a
// splice plate.
enum class PlacedPartKind { panel, splice };

struct PlacedPart {
    int curve = leftCurve;
    int piece = 0; // a panel's piece; a splice plate's index into its curve's splicePlates
    double x = 0;  // lower-left corner of the placed bounding box on the sheet
    double y = 0;
    int rotation = 0; // degrees counter-clockwise: 0, 90, 180 or 270
    bool mirrored = false;
    PlacedPartKind part = PlacedPartKind::panel;

    bool turned() const { return rotation == 180; }
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
    std::optional<FlatFrame> flatFrame;
    std::array<std::optional<DeckFrame>, 2> deckFrames; // left, right
    PieceCount copingPipes;  // the pipes along the lips (their diameter: settings.coping)
    NestingPlan panelSheets; // the side panels nested (the surface's sheets: surface.sheets)
    std::vector<FastenerCount> fasteners;
    std::vector<TimberSection> timber; // the rib section first
    // French sentences in millimetres, as the JSON carries them whatever the
    // language (planWarningTexts: the same for people).
    QStringList warnings;
};

// The plan's warnings, one for one, in the program's language and the unit.
QStringList planWarningTexts(const ConstructionPlan& plan,
                             LengthUnit unit = LengthUnit::Millimetres);

// A splice plate's length along its joint (its width across is spliceWidth).
double jointLength(const CurvePlan& curve, const PanelSplice& plate);

// The whole plan. Throws QuarvelError: the dimensions as Tracer refuses them
// (same message), ConstructionSettingError for settings the design cannot be
// built with, "Flanc trop grand pour les feuilles", too many parts to nest.
ConstructionPlan buildConstructionPlan(const RampDimensions& dims,
                                       const ConstructionSettings& settings);

// A placed part's outline on its sheet (the long side along x): mirrored
// first when mirrored, then turned by its rotation about its bounding box's
// centre, then moved so that its bounding box's lower-left corner is at (x, y).
Outline placedOutline(const ConstructionPlan& plan, const PlacedPart& part);
