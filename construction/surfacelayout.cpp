#include "surfacelayout.h"

#include "constructionwords.h"
#include "curvegeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Rounding room when a run is a whole number of sheets or a piece fills a strip.
constexpr double slack = 1e-6;
// No piece shorter than this along a run, nor a part narrower across the width.
constexpr double shortestPiece = 300;

struct CurveDesign {
    double radius = 0;
    double height = 0;
};

CurveDesign curveDesign(const RampDimensions& dims, int curve) {
    if (curve == leftCurve) return {10.0 * dims.R1, 10.0 * dims.H1};
    return {10.0 * dims.R2, 10.0 * dims.H2};
}

// Where a face of a layer, a circle of radius r about the pivot rising into a
// vertical line above the quarter point on a wall, first meets the pipe.
struct FaceEnd {
    double angle = 0; // along the arc from the toe
    double wall = 0;  // up the vertical part
    friend bool operator<(const FaceEnd& a, const FaceEnd& b) {
        return a.angle < b.angle || (a.angle == b.angle && a.wall < b.wall);
    }
};

std::optional<FaceEnd> faceMeetsPipe(double r, double arcEnd, double wall, QPointF pipe,
                                     double pipeRadius) {
    // Angles from straight below the pivot, growing toward the lip.
    const double d = std::hypot(pipe.x(), pipe.y());
    if (std::abs(r - d) < pipeRadius) {
        const double pipeAngle = std::atan2(-pipe.x(), -pipe.y());
        const double c = (r * r + d * d - pipeRadius * pipeRadius) / (2 * r * d);
        const double angle = pipeAngle - std::acos(std::clamp(c, -1.0, 1.0));
        if (angle <= arcEnd) return FaceEnd{std::max(0.0, angle), 0};
    }
    if (wall <= 0) return std::nullopt;
    const double across = -r - pipe.x(); // from the pipe's centre to the vertical face
    if (std::abs(across) >= pipeRadius) return std::nullopt;
    const double meets = pipe.y() - std::sqrt(pipeRadius * pipeRadius - across * across);
    if (meets > wall) return std::nullopt;
    return FaceEnd{arcEnd, std::max(0.0, meets)};
}

} // namespace

double ridingAngle(double radius, double height) {
    if (height <= 0) return 0;
    if (height > radius) return std::numbers::pi / 2;
    const double ground = std::sqrt(radius * radius - (radius - height) * (radius - height));
    return std::numbers::pi / 2 - std::atan2(radius - height, ground);
}

double curveRunLength(double radius, double height, double middleDepth) {
    return (radius + middleDepth) * ridingAngle(radius, height) + std::max(0.0, height - radius);
}

double layerCurveRun(double radius, double height, double top, double bottom, double pipe,
                     double reveal) {
    const double middle = (top + bottom) / 2;
    if (height <= 0 || pipe <= 0) return curveRunLength(radius, height, middle);
    const double arcEnd = ridingAngle(radius, height);
    const double wall = std::max(0.0, height - radius);
    const QPointF centre = pipeFromPivot(radius, height, pipe, reveal);
    FaceEnd end{arcEnd, wall};
    for (double depth : {top, bottom})
        if (const auto meets = faceMeetsPipe(radius + depth, arcEnd, wall, centre, pipe / 2))
            end = std::min(end, *meets);
    return (radius + middle) * end.angle + end.wall;
}

std::vector<double> layerMiddleDepths(const std::vector<double>& thicknesses) {
    std::vector<double> depths;
    double above = 0;
    for (double t : thicknesses) {
        depths.push_back(above + t / 2);
        above += t;
    }
    return depths;
}

double firstPieceLength(int layer, int layerCount, double sheetShort) {
    return std::max(shortestPiece, sheetShort * (1 - double(layer) / layerCount));
}

std::vector<double> ridingPieces(double length, double first, double sheetShort) {
    if (length <= slack) return {};
    if (length <= sheetShort + slack) return {length};
    if (length <= 2 * first + slack) return {length / 2, length / 2};
    const double middle = length - 2 * first;
    const int pairs = int(std::floor(middle / (2 * sheetShort) + slack));
    const double rest = std::max(0.0, middle - 2 * pairs * sheetShort);
    std::vector<double> side{first};
    side.insert(side.end(), pairs, sheetShort);
    std::vector<double> centre;
    if (rest > sheetShort + slack)
        centre = {rest / 2, rest / 2};
    else if (rest > slack)
        centre = {rest};
    if (centre.size() == 1 && rest < shortestPiece) {
        // The middle piece takes equally from its neighbours; when they cannot
        // spare it (short first pieces), the run is two equal halves.
        const double give = (shortestPiece - rest) / 2;
        if (side.back() - give < shortestPiece) return {length / 2, length / 2};
        side.back() -= give;
        centre = {shortestPiece};
    }
    std::vector<double> pieces = side;
    pieces.insert(pieces.end(), centre.begin(), centre.end());
    pieces.insert(pieces.end(), side.rbegin(), side.rend());
    return pieces;
}

std::vector<double> deckPieces(double length, double first, double sheetShort) {
    if (length <= slack) return {};
    if (length <= sheetShort + slack) return {length};
    const double rest = length - first;
    int whole = int(std::floor(rest / sheetShort + slack));
    double remainder = rest - whole * sheetShort;
    if (remainder < slack) remainder = 0;
    std::vector<double> pieces{first};
    pieces.insert(pieces.end(), whole, sheetShort);
    if (remainder > 0) pieces.push_back(remainder);
    if (remainder > 0 && remainder < shortestPiece) {
        double& before = pieces[pieces.size() - 2];
        const double give = shortestPiece - remainder;
        if (before - give < shortestPiece) return {length / 2, length / 2};
        before -= give;
        pieces.back() = shortestPiece;
    }
    return pieces;
}

std::vector<double> pieceSeams(const std::vector<double>& pieces) {
    std::vector<double> seams;
    double at = 0;
    for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
        at += pieces[i];
        seams.push_back(at);
    }
    return seams;
}

std::vector<std::vector<int>> packStrips(const std::vector<double>& pieces, double sheetShort,
                                         double kerf) {
    std::vector<int> order(pieces.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return pieces[std::size_t(a)] > pieces[std::size_t(b)]; });
    std::vector<std::vector<int>> strips;
    std::vector<double> used;
    for (int index : order) {
        const double piece = pieces[std::size_t(index)];
        std::size_t strip = 0;
        while (strip < strips.size() && used[strip] + kerf + piece > sheetShort + slack)
            ++strip;
        if (strip == strips.size()) {
            strips.push_back({index});
            used.push_back(piece);
        } else {
            strips[strip].push_back(index);
            used[strip] += kerf + piece;
        }
    }
    return strips;
}

WidthCover coverWidth(int strips, double width, double sheetLong, double kerf, int layer) {
    WidthCover cover;
    const int whole = int(std::floor(width / sheetLong + slack / sheetLong));
    const double rest = width - whole * sheetLong;
    cover.across.assign(std::size_t(whole), sheetLong);
    cover.sheets = strips * whole;
    if (rest <= openWidthStrip && whole > 0) return cover;
    if (whole == 0) {
        cover.across = {width};
    } else {
        const double part = std::max(rest, shortestPiece);
        cover.across.back() = sheetLong - (part - rest);
        const WidthSide side = layer % 2 == 0 ? WidthSide::left : WidthSide::right;
        if (side == WidthSide::left)
            cover.across.insert(cover.across.begin(), part);
        else
            cover.across.push_back(part);
        // The whole sheet giving way lies next to the part.
        if (side == WidthSide::left) std::reverse(cover.across.begin() + 1, cover.across.end());
        cover.narrowSide = side;
    }
    const double part = whole == 0 ? width : std::max(rest, shortestPiece);
    const int partsPerSheet = std::max(1, int(std::floor((sheetLong + kerf) / (part + kerf))));
    cover.sheets += (strips + partsPerSheet - 1) / partsPerSheet;
    return cover;
}

double smallestBendRadius(double thickness) {
    if (thickness <= 6.5) return 600;
    if (thickness <= 9.5) return 900;
    if (thickness <= 12.7) return 1800;
    if (thickness <= 16) return 2400;
    if (thickness <= 19) return 3600;
    return 4800;
}

namespace {

// Each curve's part of every layer's run.
std::array<double, 2> layerCurveRuns(const RampDimensions& dims, const ConstructionSettings& s,
                                     double top, double bottom) {
    std::array<double, 2> runs{};
    for (int curve = 0; curve < 2; ++curve) {
        const CurveDesign c = curveDesign(dims, curve);
        runs[std::size_t(curve)] =
            layerCurveRun(c.radius, c.height, top, bottom, s.coping, s.reveal);
    }
    return runs;
}

void addPieces(SurfaceLayerPlan& layer, SurfaceRun run, const std::vector<double>& lengths) {
    double from = 0;
    for (double length : lengths) {
        layer.pieces.push_back({run, from, length});
        from += length;
    }
}

// The riding run's seams measured from one curve's lip.
std::vector<double> seamsFromLip(const SurfaceLayerPlan& layer, int curve) {
    std::vector<double> riding;
    for (const SurfacePiece& p : layer.pieces)
        if (p.run == SurfaceRun::riding) riding.push_back(p.length);
    if (curve == rightCurve) std::reverse(riding.begin(), riding.end());
    return pieceSeams(riding);
}

// A deck run's seams, laid from the pipe back, measured from the deck's back end.
std::vector<double> seamsFromBackEnd(const std::vector<double>& pieces, double run) {
    std::vector<double> seams = pieceSeams(pieces);
    for (double& s : seams)
        s = run - s;
    std::reverse(seams.begin(), seams.end());
    return seams;
}

} // namespace

SurfacePlan layOutSurface(const RampDimensions& dims, const ConstructionSettings& settings,
                          std::array<double, 2> deckRuns) {
    SurfacePlan plan;
    const int count = int(settings.surface.size());
    double above = 0;
    for (int i = 0; i < count; ++i) {
        SurfaceLayerPlan layer;
        layer.thickness = settings.surface[std::size_t(i)];
        layer.curveRuns = layerCurveRuns(dims, settings, above, above + layer.thickness);
        above += layer.thickness;
        layer.riding = layer.curveRuns[0] + 10.0 * dims.F + layer.curveRuns[1];
        layer.decks = deckRuns;
        const double first = firstPieceLength(i, count, settings.sheetShort);
        const std::vector<double> riding = ridingPieces(layer.riding, first, settings.sheetShort);
        const std::vector<double> left = deckPieces(deckRuns[0], first, settings.sheetShort);
        const std::vector<double> right = deckPieces(deckRuns[1], first, settings.sheetShort);
        layer.seams = pieceSeams(riding);
        layer.deckSeams = {seamsFromBackEnd(left, deckRuns[0]),
                           seamsFromBackEnd(right, deckRuns[1])};
        addPieces(layer, SurfaceRun::leftDeck, left);
        addPieces(layer, SurfaceRun::riding, riding);
        addPieces(layer, SurfaceRun::rightDeck, right);
        std::vector<double> lengths;
        for (const SurfacePiece& p : layer.pieces)
            lengths.push_back(p.length);
        layer.strips = packStrips(lengths, settings.sheetShort, settings.kerf);
        const WidthCover cover = coverWidth(int(layer.strips.size()), 10.0 * dims.W,
                                            settings.sheetLong, settings.kerf, i);
        layer.across = cover.across;
        layer.narrowSide = cover.narrowSide;
        layer.sheets = cover.sheets;
        plan.sheets += layer.sheets;
        plan.layers.push_back(std::move(layer));
    }
    return plan;
}

std::vector<Seam> seamStations(const SurfacePlan& surface, int curve, double frameRadius,
                               const RampDimensions& dims) {
    const CurveDesign here = curveDesign(dims, curve);
    const double theta = ridingAngle(here.radius, here.height);
    std::vector<Seam> stations;
    double above = 0;
    for (int i = 0; i < int(surface.layers.size()); ++i) {
        const SurfaceLayerPlan& layer = surface.layers[std::size_t(i)];
        const double r = here.radius + above + layer.thickness / 2;
        above += layer.thickness;
        const double length = layer.curveRuns[std::size_t(curve)];
        // Measured from this curve's own lip, so that a symmetric ramp's
        // two curves get the very same numbers.
        for (double fromLip : seamsFromLip(layer, curve)) {
            if (fromLip > length + slack) continue;
            // From this curve's toe along the layer.
            const double a = std::clamp(length - fromLip, 0.0, length);
            const double arc = r * theta;
            stations.push_back(
                {a <= arc ? frameRadius * a / r : frameRadius * theta + (a - arc), i});
        }
    }
    return stations;
}

std::vector<Seam> flatSeams(const SurfacePlan& surface, const RampDimensions& dims) {
    const double flat = 10.0 * dims.F;
    std::vector<Seam> seams;
    for (int i = 0; i < int(surface.layers.size()); ++i) {
        const SurfaceLayerPlan& layer = surface.layers[std::size_t(i)];
        const double start = layer.curveRuns[leftCurve];
        for (double x : layer.seams)
            if (x >= start - slack && x <= start + flat + slack)
                seams.push_back({std::clamp(x - start, 0.0, flat), i});
    }
    return seams;
}

std::vector<Seam> deckSeams(const SurfacePlan& surface, int side) {
    std::vector<Seam> seams;
    for (int i = 0; i < int(surface.layers.size()); ++i)
        for (double s : surface.layers[std::size_t(i)].deckSeams[std::size_t(side)])
            seams.push_back({s, i});
    return seams;
}

QStringList bendWarnings(const RampDimensions& dims, const ConstructionSettings& settings,
                         Wording wording, LengthUnit unit) {
    // The source (the JSON's) in millimetres.
    const LengthUnit shown = wording == Wording::source ? LengthUnit::Millimetres : unit;
    QStringList warnings;
    const std::vector<double> depths = layerMiddleDepths(settings.surface);
    for (int curve = 0; curve < 2; ++curve) {
        const CurveDesign c = curveDesign(dims, curve);
        if (c.height <= 0) continue;
        for (int i = 0; i < int(depths.size()); ++i) {
            const double layer = settings.surface[std::size_t(i)];
            const double radius = c.radius + depths[std::size_t(i)];
            const double smallest = smallestBendRadius(layer);
            if (radius >= smallest) continue;
            warnings << constructionWord(
                            QT_TRANSLATE_NOOP("Construction",
                                              "Courbe %1, couche %2 (%3) : rayon de %4, "
                                              "plus serré que les %5 auxquels cette "
                                              "épaisseur se cintre à sec"),
                            wording)
                            .arg(sideName(curve, wording))
                            .arg(i + 1)
                            .arg(thicknessWithUnit(layer, shown), lengthWithUnit(radius, shown),
                                 lengthWithUnit(smallest, shown));
        }
    }
    return warnings;
}
