#include "constructionplan.h"

#include "constructionwords.h"
#include "curvegeometry.h"
#include "deckframe.h"
#include "distinctpanels.h"
#include "framecurve.h"
#include "framelines.h"
#include "nesting.h"
#include "panelsplitting.h"
#include "quarvelerror.h"
#include "stationlayout.h"
#include "surfacelayout.h"
#include "tracer.h"

#include <algorithm>
#include <cmath>
#include <QCoreApplication>

namespace {

// Rounding room for a setting exactly at its limit.
constexpr double slack = 1e-9;

struct CurveDesign {
    double deck = 0;
    double radius = 0;
    double height = 0;
    std::optional<double> back;
};

CurveDesign curveDesign(const RampDimensions& dims, const ConstructionSettings& s, int curve) {
    if (curve == leftCurve) return {10.0 * dims.P1, 10.0 * dims.R1, 10.0 * dims.H1, s.backLeft};
    return {10.0 * dims.P2, 10.0 * dims.R2, 10.0 * dims.H2, s.backRight};
}

void checkBack(const ConstructionSettings& s, int curve, double deck, double back) {
    const double lowest = std::min(150.0, deck);
    if (back <= deck + slack && back >= lowest - slack) return;
    throw ConstructionSettingError(
        QStringLiteral("back"), constructionSettingText(s, u"back"),
        QCoreApplication::translate("ConstructionPlan", "%1 à %2 pour la plate-forme %3")
            .arg(formatLength(lowest), formatLength(deck), sideName(curve)));
}

// A deck frame on legs needs room for its two rims and a leg.
void checkDeckFrame(const ConstructionSettings& s, int curve, double length) {
    const double shortest = shortestDeckFrame(s);
    if (length >= shortest - slack) return;
    throw ConstructionSettingError(
        QCoreApplication::translate("ConstructionPlan",
                                    "Réglage de construction incorrect : back=%1 (le cadre de "
                                    "la %2 mesurerait %3 mm ; il en faut au moins %4 "
                                    "pour ses deux lisses et un pied)")
            .arg(constructionSettingText(s, u"back"), deckName(curve), formatLength(length),
                 formatLength(shortest)));
}

void setStations(JoistPlan& joists, const std::vector<Station>& stations) {
    joists.stations = stationPositions(stations);
    for (const Station& s : stations)
        joists.stationSeams.push_back(s.seamLayers);
}

// Deck joists hang between the side panels like ribs, the last one the
// coping block right behind the pipe. Where the panels stop short of the deck
// a frame on legs carries the rest, and the panels' joists start at the rim
// on their back edges; a deck without a curve (H = 0) lies on the flat's
// level and is framed like the flat.
void planDecks(ConstructionPlan& plan, std::array<double, 2> deckRuns) {
    const ConstructionSettings& s = plan.settings;
    const double width = 10.0 * plan.dims.W;
    const double w = s.ribWidth;
    const double e = onEdgeThickness(s);
    for (int side = 0; side < 2; ++side) {
        const CurveDesign d = curveDesign(plan.dims, s, side);
        const auto& c = plan.curves[side];
        std::vector<Seam> seams = deckSeams(plan.surface, side);
        if (!c) {
            if (d.deck > slack)
                plan.deckFrames[side] =
                    groundDeckFrame(d.deck, width, seams, int(s.surface.size()), s);
            continue;
        }
        const double run = deckRuns[side];
        if (run <= slack) continue;
        const double frameLength = c->deck - c->back;
        double low = w / 2;
        if (frameLength > slack) {
            plan.deckFrames[side] = legDeckFrame({frameLength, c->deckFrameTop, width}, seams, s);
            // A seam over the panels' back rim lies on it.
            low = plan.deckFrames[side]->panelRim.station;
            for (Seam& seam : seams)
                if (seam.position >= frameLength - slack)
                    seam.position = std::max(seam.position, low);
        }
        const bool block = c->pipe.has_value();
        std::vector<Station> stations =
            placeStations(low, block ? run - e / 2 : run - w / 2, seams, w, s.joistSpacing, block,
                          frameLength > slack);
        if (frameLength > slack) {
            plan.deckFrames[side]->panelRim.seamLayers = stations.front().seamLayers;
            stations.erase(stations.begin());
        }
        JoistPlan joists;
        setStations(joists, stations);
        const int count = int(joists.stations.size());
        joists.pieces = count * (c->panelCount - 1);
        joists.length = c->panelPitch - s.panel;
        if (count > 0) joists.lengths = {{joists.length, joists.pieces}};
        if (block) joists.copingBlocks = c->panelCount - 1;
        (side == leftCurve ? plan.leftDeck : plan.rightDeck) = std::move(joists);
    }
}

// The deck joists' centres in the panel's u, the coping block left out (a
// cut there would run into the notch).
std::vector<double> deckJoistsOnPanel(const ConstructionPlan& plan, int curve) {
    const CurvePlan& c = *plan.curves[curve];
    const auto& joists = curve == leftCurve ? plan.leftDeck : plan.rightDeck;
    std::vector<double> u;
    if (!joists) return u;
    const std::size_t count = joists->stations.size() - (joists->copingBlocks > 0 ? 1 : 0);
    for (std::size_t i = 0; i < count && i < joists->stations.size(); ++i)
        u.push_back(joists->stations[i] - (c.deck - c.back));
    return u;
}

QString splitWarning(const PanelSplit& split, Wording wording, LengthUnit unit) {
    // The source (the JSON's) in millimetres.
    const LengthUnit shown = wording == Wording::source ? LengthUnit::Millimetres : unit;
    const char* text =
        split.kind == SplitKind::normal
            ? QT_TRANSLATE_NOOP("Construction", "Courbe %1 : flanc coupé à %2 du pied le long "
                                                "de la courbe")
        : split.kind == SplitKind::vertical
            ? QT_TRANSLATE_NOOP("Construction", "Courbe %1 : flanc coupé verticalement à %2 de "
                                                "son arrière")
            : QT_TRANSLATE_NOOP("Construction", "Courbe %1 : flanc coupé horizontalement à %2 "
                                                "du sol");
    const double at = split.kind == SplitKind::normal ? split.station : split.at;
    return constructionWord(text, wording)
               .arg(sideName(split.curve, wording), lengthWithUnit(at, shown)) +
           constructionWord(QT_TRANSLATE_NOOP("Construction",
                                              " ; une éclisse de %1 de large, dans le même "
                                              "contreplaqué, collée et vissée sur la face "
                                              "intérieure, relie les morceaux"),
                            wording)
               .arg(lengthWithUnit(spliceWidth, shown));
}

// Panels too large for a sheet cut into pieces, each joint with its splice
// plate.
void splitPanels(ConstructionPlan& plan) {
    const ConstructionSettings& s = plan.settings;
    const SheetRoom room{s.sheetLong - 2 * s.kerf, s.sheetShort - 2 * s.kerf};
    for (int curve = 0; curve < 2; ++curve) {
        if (!plan.curves[curve]) continue;
        CurvePlan& c = *plan.curves[curve];
        PanelSplitting splitting =
            splitPanel(c, curve, deckJoistsOnPanel(plan, curve), room, s.ribDepth);
        for (const PanelSplit& split : splitting.splits) {
            plan.warnings << splitWarning(split, Wording::source, LengthUnit::Millimetres);
        }
        c.splits = std::move(splitting.splits);
        c.splicePlates = std::move(splitting.plates);
    }
}

// The distinct panels' parts and splice plates on sheets. Each placed copy
// names the curve it is cut for: of a panel both curves share, the left
// curve's copies come first.
void nestPanels(ConstructionPlan& plan) {
    std::vector<NestItem> items;
    for (const DistinctPanel& panel : plan.panels) {
        const CurvePlan& c = *plan.curves[panel.curve];
        for (int piece = 0; piece < int(c.pieces.size()); ++piece)
            items.push_back({panel.curve, piece, c.pieces[piece].outline, panel.count()});
        for (int plate = 0; plate < int(c.splicePlates.size()); ++plate)
            items.push_back({panel.curve, plate, c.splicePlates[plate].outline, panel.count(),
                             PlacedPartKind::splice});
    }
    const ConstructionSettings& s = plan.settings;
    plan.panelSheets.layout = nestParts(items, s.sheetLong, s.sheetShort, s.kerf);
    plan.panelSheets.count = int(plan.panelSheets.layout.size());
    for (const DistinctPanel& panel : plan.panels) {
        if (!panel.bothCurves()) continue;
        const CurvePlan& c = *plan.curves[panel.curve];
        std::vector<int> pieces(c.pieces.size(), 0), plates(c.splicePlates.size(), 0);
        for (SheetLayout& sheet : plan.panelSheets.layout)
            for (PlacedPart& part : sheet.parts) {
                std::vector<int>& placed = part.part == PlacedPartKind::splice ? plates : pieces;
                if (part.curve == panel.curve &&
                    placed[std::size_t(part.piece)]++ >= panel.counts[leftCurve])
                    part.curve = rightCurve;
            }
    }
}

// Each curve's geometry and panel lines; deckRuns: each deck's run of
// surface, to the pipe's back where there is one.
void planCurves(ConstructionPlan& plan, double width, std::array<double, 2>& deckRuns) {
    const ConstructionSettings& s = plan.settings;
    const double t = s.surfaceThickness();
    for (int curve = 0; curve < 2; ++curve) {
        const CurveDesign d = curveDesign(plan.dims, s, curve);
        const double back = d.back.value_or(d.deck);
        checkBack(s, curve, d.deck, back);
        deckRuns[curve] = d.deck;
        if (d.height <= 0) continue; // no side panel: its deck is framed like the flat
        if (back < d.deck - slack) checkDeckFrame(s, curve, d.deck - back);
        if (s.coping > 0 && d.height <= s.coping - t - s.reveal + slack)
            throw ConstructionSettingError(
                QCoreApplication::translate("ConstructionPlan",
                                            "Réglage de construction incorrect : coping=%1 (la "
                                            "courbe %2, haute de %3 mm, est trop basse pour le "
                                            "tube ; coping=0 la construit sans tube)")
                    .arg(formatLength(s.coping), sideName(curve), formatLength(d.height)));
        CurvePlan c = curveGeometry(d.deck, d.radius, d.height, back, s);
        const PanelLines lines = panelLines(width, s);
        c.panelCount = lines.count;
        c.panelPitch = lines.pitch;
        // The deck's surface stops at the pipe's back.
        if (c.pipe) deckRuns[curve] = std::max(0.0, d.deck - back + c.pipe->x() - s.coping / 2);
        plan.curves[curve] = std::move(c);
    }
}

// Each curve's rib stations, from the surface's seams, and its ribs.
void planRibs(ConstructionPlan& plan) {
    const ConstructionSettings& s = plan.settings;
    const double w = s.ribWidth;
    for (int curve = 0; curve < 2; ++curve) {
        if (!plan.curves[curve]) continue;
        CurvePlan& c = *plan.curves[curve];
        const std::vector<Station> stations = placeStations(
            w / 2, c.curveLength - w / 2,
            seamStations(plan.surface, curve, c.frameRadius, plan.dims), w, s.ribSpacing);
        c.stations = stationPositions(stations);
        for (const Station& station : stations)
            c.stationSeams.push_back(station.seamLayers);
        for (double station : c.stations)
            c.stationPoints.push_back(frameStation(c, station).point);
        c.ribs = {int(c.stations.size()) * (c.panelCount - 1), c.panelPitch - s.panel};
    }
}

// A ladder frame: stringers on the panel lines, joists on edge between
// them, a seam's joist doubled so that each sheet edge has its own.
void planFlat(ConstructionPlan& plan, double width, double flatLength) {
    const ConstructionSettings& s = plan.settings;
    const PanelLines lines = panelLines(width, s);
    FlatFrame frame{
        lines.count, flatLength, {onEdgeThickness(s), s.flat}, stringerJoints(flatLength, s.stock)};
    plan.flat = ladderJoists(flatLength, flatSeams(plan.surface, plan.dims), frame.joints,
                             int(s.surface.size()), stringerBays(lines, width, s), s);
    plan.flatFrame = std::move(frame);
}

void planCopingPipes(ConstructionPlan& plan, double width) {
    if (plan.settings.coping <= 0) return;
    for (const auto& c : plan.curves)
        if (c) ++plan.copingPipes.pieces;
    if (plan.copingPipes.pieces > 0) plan.copingPipes.length = width;
}

} // namespace

ConstructionPlan buildConstructionPlan(const RampDimensions& dims,
                                       const ConstructionSettings& settings) {
    if (!dimensionsAcceptable(dims)) throw QuarvelError(tracerText(invalidDimensionsMessage()));
    checkConstructionSettings(settings);
    const ConstructionSettings& s = settings;
    ConstructionPlan plan;
    plan.dims = dims;
    plan.settings = s;
    const double width = 10.0 * dims.W;
    const double flatLength = 10.0 * dims.F;
    if (width < 2 * s.panel + 100 - slack)
        throw ConstructionSettingError(
            QCoreApplication::translate("ConstructionPlan",
                                        "Réglage de construction incorrect : panel=%1 (la "
                                        "largeur de la rampe, %2 mm, doit être d'au moins 2 × "
                                        "panel + 100 = %3 mm)")
                .arg(formatLength(s.panel), formatLength(width), formatLength(2 * s.panel + 100)));

    std::array<double, 2> deckRuns{};
    planCurves(plan, width, deckRuns);
    plan.surface = layOutSurface(dims, s, deckRuns);
    // Sheets meeting along the ramp (a ramp wider than a sheet) lie across
    // every rib and joist, which carry those joints.
    plan.warnings << bendWarnings(dims, s, Wording::source);
    planRibs(plan);
    planDecks(plan, deckRuns);
    if (flatLength > 0) planFlat(plan, width, flatLength);
    planCopingPipes(plan, width);

    splitPanels(plan);
    plan.panels = distinctPanels(plan.curves);
    nestPanels(plan);
    plan.fasteners = planFasteners(plan);
    plan.timber = planTimber(plan);
    return plan;
}

Outline placedOutline(const ConstructionPlan& plan, const PlacedPart& part) {
    const CurvePlan& curve = *plan.curves[part.curve];
    Outline o = part.part == PlacedPartKind::splice
                    ? curve.splicePlates.at(std::size_t(part.piece)).outline
                    : curve.pieces.at(std::size_t(part.piece)).outline;
    if (part.mirrored) o = mirrored(o, 0);
    o = quarterTurned(o, part.rotation / 90);
    const QRectF box = boundingBox(o);
    return translated(o, part.x - box.left(), part.y - lowestV(box));
}

double jointLength(const CurvePlan& curve, const PanelSplice& plate) {
    const PanelSplit& split = curve.splits.at(std::size_t(plate.split));
    const QPointF joint = split.to - split.from;
    const double length = std::hypot(joint.x(), joint.y());
    double low = INFINITY, high = -INFINITY;
    for (const Segment& edge : plate.outline) {
        const double along = QPointF::dotProduct(edge.from, joint) / length;
        low = std::min(low, along);
        high = std::max(high, along);
    }
    return high - low;
}

QStringList planWarningTexts(const ConstructionPlan& plan, LengthUnit unit) {
    // In the order the plan gives them: the bends, then each curve's splits.
    QStringList texts = bendWarnings(plan.dims, plan.settings, Wording::people, unit);
    for (const std::optional<CurvePlan>& curve : plan.curves)
        if (curve)
            for (const PanelSplit& split : curve->splits)
                texts << splitWarning(split, Wording::people, unit);
    return texts;
}
