#include "surfacelayout.h"

#include "constructionwords.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Rounding room when a run is a whole number of sheets or a piece fills a strip.
constexpr double slack = 1e-6;
// No piece shorter than this at the end of a run.
constexpr double shortestPiece = 300;

struct CurveDesign {
    double radius = 0;
    double height = 0;
};

CurveDesign curveDesign(const RampDimensions& dims, int curve) {
    if (curve == leftCurve) return {10.0 * dims.R1, 10.0 * dims.H1};
    return {10.0 * dims.R2, 10.0 * dims.H2};
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

std::vector<double> layerMiddleDepths(const std::vector<double>& thicknesses) {
    std::vector<double> depths;
    double above = 0;
    for (double t : thicknesses) {
        depths.push_back(above + t / 2);
        above += t;
    }
    return depths;
}

std::vector<double> runPieces(double length, int layer, int layerCount, double sheetShort) {
    if (length <= slack) return {};
    const double first = sheetShort - layer * sheetShort / layerCount;
    if (length <= first + slack) return {length};
    const double rest = length - first;
    int whole = int(std::floor(rest / sheetShort));
    double remainder = rest - whole * sheetShort;
    if (sheetShort - remainder <= slack) {
        ++whole;
        remainder = 0;
    }
    std::vector<double> pieces;
    const auto wholeSheets = [&](int n) { pieces.insert(pieces.end(), n, sheetShort); };
    if (remainder <= slack) {
        pieces.push_back(first);
        wholeSheets(whole);
    } else if (remainder >= shortestPiece) {
        pieces.push_back(first);
        wholeSheets(whole);
        pieces.push_back(remainder);
    } else if (first - (shortestPiece - remainder) >= shortestPiece) {
        pieces.push_back(first - (shortestPiece - remainder));
        wholeSheets(whole);
        pieces.push_back(shortestPiece);
    } else if (whole > 0) {
        // A thin first piece (many layers) cannot give up the room: the last
        // whole sheet and the remainder become two equal pieces instead.
        pieces.push_back(first);
        wholeSheets(whole - 1);
        pieces.insert(pieces.end(), 2, (sheetShort + remainder) / 2);
    } else if (length <= sheetShort) {
        pieces.push_back(length);
    } else {
        pieces.insert(pieces.end(), 2, length / 2);
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

int stripCount(std::vector<double> pieces, double sheetShort, double kerf) {
    std::sort(pieces.begin(), pieces.end(), std::greater<>());
    int strips = 0;
    std::vector<double> used; // strips not yet full
    for (double piece : pieces) {
        if (piece >= sheetShort - slack) { // a whole sheet's length fills its strip
            ++strips;
            continue;
        }
        bool placed = false;
        for (double& u : used) {
            if (u + kerf + piece <= sheetShort + slack) {
                u += kerf + piece;
                placed = true;
                break;
            }
        }
        if (!placed) used.push_back(piece);
    }
    return strips + int(used.size());
}

int sheetsForStrips(int strips, double width, double sheetLong, double kerf) {
    const int whole = int(std::floor(width / sheetLong + slack / sheetLong));
    const double rest = width - whole * sheetLong;
    int sheets = strips * whole;
    if (rest > slack) {
        const int partsPerSheet = std::max(1, int(std::floor((sheetLong + kerf) / (rest + kerf))));
        sheets += (strips + partsPerSheet - 1) / partsPerSheet;
    }
    return sheets;
}

double smallestBendRadius(double thickness) {
    if (thickness <= 6.5) return 600;
    if (thickness <= 9.5) return 900;
    if (thickness <= 12.7) return 1800;
    if (thickness <= 16) return 2400;
    if (thickness <= 19) return 3600;
    return 4800;
}

SurfacePlan layOutSurface(const RampDimensions& dims, const ConstructionSettings& settings,
                          std::array<double, 2> deckRuns) {
    SurfacePlan plan;
    const std::vector<double> depths = layerMiddleDepths(settings.surface);
    const int count = int(settings.surface.size());
    const CurveDesign left = curveDesign(dims, leftCurve);
    const CurveDesign right = curveDesign(dims, rightCurve);
    for (int i = 0; i < count; ++i) {
        SurfaceLayerPlan layer;
        layer.thickness = settings.surface[i];
        layer.riding = curveRunLength(left.radius, left.height, depths[i]) + 10.0 * dims.F +
                       curveRunLength(right.radius, right.height, depths[i]);
        const auto cut = [&](double length) {
            std::vector<double> pieces = runPieces(length, i, count, settings.sheetShort);
            layer.pieces.insert(layer.pieces.end(), pieces.begin(), pieces.end());
            return pieceSeams(pieces);
        };
        layer.seams = cut(layer.riding);
        for (int side = 0; side < 2; ++side) {
            layer.decks[side] = deckRuns[side];
            std::vector<double> seams = cut(deckRuns[side]);
            // Both decks are laid from their left end; the right deck's back end is its right end.
            if (side == rightCurve) {
                for (double& s : seams)
                    s = deckRuns[side] - s;
                std::reverse(seams.begin(), seams.end());
            }
            layer.deckSeams[side] = seams;
        }
        const int strips = stripCount(layer.pieces, settings.sheetShort, settings.kerf);
        layer.sheets = sheetsForStrips(strips, 10.0 * dims.W, settings.sheetLong, settings.kerf);
        plan.sheets += layer.sheets;
        plan.layers.push_back(std::move(layer));
    }
    return plan;
}

std::vector<double> seamStations(const SurfacePlan& surface, const RampDimensions& dims, int curve,
                                 double frameRadius) {
    const CurveDesign left = curveDesign(dims, leftCurve);
    const CurveDesign here = curveDesign(dims, curve);
    const double theta = ridingAngle(here.radius, here.height);
    std::vector<double> stations;
    double above = 0;
    for (const SurfaceLayerPlan& layer : surface.layers) {
        const double m = above + layer.thickness / 2;
        above += layer.thickness;
        const double r = here.radius + m;
        const double length = curveRunLength(here.radius, here.height, m);
        const double leftLength = curveRunLength(left.radius, left.height, m);
        const double rightStart = leftLength + 10.0 * dims.F;
        for (double x : layer.seams) {
            // a: the seam's distance from this curve's toe along the layer.
            double a;
            if (curve == leftCurve && x <= leftLength + slack)
                a = leftLength - x;
            else if (curve == rightCurve && x >= rightStart - slack)
                a = x - rightStart;
            else
                continue;
            a = std::clamp(a, 0.0, length);
            const double arc = r * theta;
            stations.push_back(a <= arc ? frameRadius * a / r : frameRadius * theta + (a - arc));
        }
    }
    return stations;
}

std::vector<double> flatSeams(const SurfacePlan& surface, const RampDimensions& dims) {
    const CurveDesign left = curveDesign(dims, leftCurve);
    std::vector<double> seams;
    double above = 0;
    for (const SurfaceLayerPlan& layer : surface.layers) {
        const double m = above + layer.thickness / 2;
        above += layer.thickness;
        const double start = curveRunLength(left.radius, left.height, m);
        for (double x : layer.seams)
            if (x >= start - slack && x <= start + 10.0 * dims.F + slack)
                seams.push_back(std::clamp(x - start, 0.0, 10.0 * dims.F));
    }
    return seams;
}

QStringList bendWarnings(const RampDimensions& dims, const ConstructionSettings& settings) {
    QStringList warnings;
    const std::vector<double> depths = layerMiddleDepths(settings.surface);
    for (int curve = 0; curve < 2; ++curve) {
        const CurveDesign c = curveDesign(dims, curve);
        if (c.height <= 0) continue;
        for (int i = 0; i < int(depths.size()); ++i) {
            const double thickness = settings.surface[i];
            const double radius = c.radius + depths[i];
            const double smallest = smallestBendRadius(thickness);
            if (radius >= smallest) continue;
            warnings << QStringLiteral(
                            "Courbe %1, couche %2 (%3 mm) : rayon de %4 mm, plus serré que "
                            "les %5 mm auxquels cette épaisseur se cintre à sec")
                            .arg(sideName(curve))
                            .arg(i + 1)
                            .arg(formatLength(thickness), formatLength(radius),
                                 formatLength(smallest));
        }
    }
    return warnings;
}
