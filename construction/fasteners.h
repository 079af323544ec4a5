#pragma once

#include <QString>
#include <vector>

struct ConstructionPlan;

// What holds the ramp together: screws, lag screws, bolts, angle brackets
// and glue, counted exactly from the plan. Lengths in mm.

enum class FastenerItem {
    surfaceScrew, // the surface layers into ribs, joists and rims
    frameScrew,   // straight through a panel or stringer into a rib's or joist's end
    toeScrew,     // angled through a rib or joist into an interior panel or stringer
    spliceScrew,
    lagScrew, // the coping pipe into its block
    bolt,     // a deck frame's front rim to the panels' back rim
    bracket,  // a leg to its stringer
    bracketScrew,
    braceScrew,
    glue, // grams
};

struct FastenerCount {
    FastenerItem item = FastenerItem::surfaceScrew;
    QString size;        // "4.5x45", "8x130", "M10x100", "g" for glue, empty for brackets
    double length = 0;   // a screw's, lag screw's or bolt's
    long long count = 0; // exact
    long long buy = 0;   // with the spares a builder buys
};

// Wood screws: 4.5 mm thick up to this length, 6 mm from the next on.
constexpr double longestThinScrew = 50;

// The stock screw length at least / at most this long (the shortest or the
// longest there is when none is).
double screwLengthUp(double mm);
double screwLengthDown(double mm);

// "4.5x45" or "6x60": a wood screw of this length.
QString woodScrewSize(double length);

// To buy, in whole numbers: screws 1.1 × n up to a multiple of 10; lag
// screws, bolts and brackets 1.1 × n rounded up; glue up to 100 g.
long long screwsToBuy(long long count);
long long piecesToBuy(long long count);
long long glueToBuy(long long grams);

// Surface screws in a row across the width: every 150 mm, 25 mm in from the sides.
int surfaceScrewsPerRow(double width);

// A splice plate of the panel's plywood over a joint.
struct SplicePlate {
    double jointLength = 0; // along the joint
    double area = 0;        // mm²
};

// Screws every 100 mm (25 mm in from the plate's ends) in two rows on each
// side of every joint, the longest stock length 3 mm short of the two plies
// (2 × panel − 3, rounded down); glue 150 g a square metre of plate.
struct SpliceFastening {
    long long screws = 0;
    double screwLength = 0;
    long long glueGrams = 0; // rounded up
};
SpliceFastening spliceFastening(const std::vector<SplicePlate>& plates, double panel);

// The plan's splice plates, each copy: a panel's plates on every panel cut
// to it, each as long along its joint as it reaches.
std::vector<SplicePlate> splicePlates(const ConstructionPlan& plan);

// Every fastener of the plan, one row per item and size, in the enum's order.
std::vector<FastenerCount> planFasteners(const ConstructionPlan& plan);

// The item's name in the batch tool's JSON: "surface_screw", "glue", ...
const char* fastenerKey(FastenerItem item);
