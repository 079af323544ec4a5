#include "constructionplan.h"

#include "constructionwords.h"
#include "curvegeometry.h"
#include "distinctpanels.h"
#include "framecurve.h"
#include "nesting.h"
#include "panelsplitting.h"
#include "quarvelerror.h"
#include "stationlayout.h"
#include "surfacelayout.h"
#include "tracer.h"

#include <algorithm>
#include <cmath>

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
        QStringLiteral("%1 à %2 pour la plate-forme %3")
            .arg(formatLength(lowest), formatLength(deck), sideName(curve)));
}

// n_p panels across the width, the outer two flush with the sides.
void placePanels(CurvePlan& curve, double width, const ConstructionSettings& s) {
    const double span = width - s.panel;
    curve.panelCount = std::max(2, int(std::ceil(span / s.spacing - slack)) + 1);
    curve.panelPitch = span / (curve.panelCount - 1);
}

std::vector<double> allDeckSeams(const SurfacePlan& surface, int side) {
    std::vector<double> seams;
    for (const SurfaceLayerPlan& layer : surface.layers)
        seams.insert(seams.end(), layer.deckSeams[side].begin(), layer.deckSeams[side].end());
    return seams;
}

// The distinct panels' parts on sheets. Each placed copy names the curve it
// is cut for: of a panel both curves share, the left curve's copies come first.
void nestPanels(ConstructionPlan& plan) {
    std::vector<NestItem> items;
    for (const DistinctPanel& panel : plan.panels) {
        const CurvePlan& c = *plan.curves[panel.curve];
        for (int piece = 0; piece < int(c.pieces.size()); ++piece)
            items.push_back({panel.curve, piece, c.pieces[piece].outline, panel.count()});
    }
    const ConstructionSettings& s = plan.settings;
    plan.panelSheets.layout = nestParts(items, s.sheetLong, s.sheetShort, s.kerf);
    plan.panelSheets.count = int(plan.panelSheets.layout.size());
    for (const DistinctPanel& panel : plan.panels) {
        if (!panel.bothCurves()) continue;
        std::vector<int> placed(plan.curves[panel.curve]->pieces.size(), 0);
        for (SheetLayout& sheet : plan.panelSheets.layout)
            for (PlacedPart& part : sheet.parts)
                if (part.curve == panel.curve &&
                    placed[std::size_t(part.piece)]++ >= panel.counts[leftCurve])
                    part.curve = rightCurve;
    }
}

} // namespace

ConstructionPlan buildConstructionPlan(const RampDimensions& dims,
                                       const ConstructionSettings& settings) {
    if (!dimensionsAcceptable(dims)) throw QuarvelError(invalidDimensionsMessage());
    checkConstructionSettings(settings);
    const ConstructionSettings& s = settings;
    ConstructionPlan plan;
    plan.dims = dims;
    plan.settings = s;
    const double width = 10.0 * dims.W;
    const double flatLength = 10.0 * dims.F;
    const double t = s.surfaceThickness();
    if (width < 2 * s.panel + 100 - slack)
        throw ConstructionSettingError(
            QStringLiteral("Réglage de construction incorrect : panel=%1 (la largeur de la rampe, "
                           "%2 mm, doit être d'au moins 2 × panel + 100 = %3 mm)")
                .arg(formatLength(s.panel), formatLength(width), formatLength(2 * s.panel + 100)));

    std::array<double, 2> deckRuns{};
    for (int curve = 0; curve < 2; ++curve) {
        const CurveDesign d = curveDesign(dims, s, curve);
        const double back = d.back.value_or(d.deck);
        checkBack(s, curve, d.deck, back);
        deckRuns[curve] = d.deck;
        if (d.height <= 0) continue; // no side panel: its deck is framed like the flat
        if (s.coping > 0 && d.height <= s.coping - t - s.reveal + slack)
            throw ConstructionSettingError(
                QStringLiteral("Réglage de construction incorrect : coping=%1 (la courbe %2, "
                               "haute de %3 mm, est trop basse pour le tube ; coping=0 la "
                               "construit sans tube)")
                    .arg(formatLength(s.coping), sideName(curve), formatLength(d.height)));
        CurvePlan c = curveGeometry(d.deck, d.radius, d.height, back, s);
        placePanels(c, width, s);
        // The deck's surface stops at the pipe's back.
        if (c.pipe) deckRuns[curve] = std::max(0.0, d.deck - back + c.pipe->x() - s.coping / 2);
        if (back < d.deck - slack)
            plan.warnings << QStringLiteral("Plate-forme %1 : les flancs s'arrêtent à %2 mm de "
                                            "son arrière ; les solives au-delà demandent leur "
                                            "propre appui")
                                 .arg(sideName(curve), formatLength(d.deck - back));
        plan.curves[curve] = std::move(c);
    }

    plan.surface = layOutSurface(dims, s, deckRuns);
    plan.warnings << bendWarnings(dims, s);
    if (width > s.sheetLong + slack)
        plan.warnings << QStringLiteral("Largeur de %1 mm, plus grande que le grand côté des "
                                        "feuilles (%2 mm) : les joints dans la largeur demandent "
                                        "un flanc ou une entretoise dessous")
                             .arg(formatLength(width), formatLength(s.sheetLong));

    const double w = s.ribWidth;
    for (int curve = 0; curve < 2; ++curve) {
        if (!plan.curves[curve]) continue;
        CurvePlan& c = *plan.curves[curve];
        c.stations =
            placeStations(w / 2, c.curveLength - w / 2,
                          seamStations(plan.surface, dims, curve, c.frameRadius), w, s.ribSpacing);
        for (double station : c.stations)
            c.stationPoints.push_back(frameStation(c, station).point);
        c.ribs = {int(c.stations.size()) * (c.panelCount - 1), c.panelPitch - s.panel};
    }

    // Deck joists hang between the side panels like ribs; a deck without a
    // curve (H = 0) lies on the flat's level and is framed like the flat, with
    // joists across the whole width.
    for (int side = 0; side < 2; ++side) {
        const double run = deckRuns[side];
        if (run <= slack) continue;
        JoistPlan joists;
        joists.stations =
            placeStations(w / 2, run - w / 2, allDeckSeams(plan.surface, side), w, s.joistSpacing);
        const int count = int(joists.stations.size());
        if (const auto& c = plan.curves[side]) {
            joists.pieces = count * (c->panelCount - 1);
            joists.length = c->panelPitch - s.panel;
        } else {
            joists.pieces = count;
            joists.length = width;
        }
        (side == leftCurve ? plan.leftDeck : plan.rightDeck) = std::move(joists);
    }
    if (flatLength > 0) {
        JoistPlan joists;
        joists.stations = placeStations(w / 2, flatLength - w / 2, flatSeams(plan.surface, dims), w,
                                        s.joistSpacing);
        joists.pieces = int(joists.stations.size());
        joists.length = width;
        plan.flat = std::move(joists);
    }
    if (s.coping > 0) {
        for (const auto& c : plan.curves)
            if (c) ++plan.copingPipes.pieces;
        if (plan.copingPipes.pieces > 0) plan.copingPipes.length = width;
    }

    for (int curve = 0; curve < 2; ++curve) {
        if (!plan.curves[curve]) continue;
        CurvePlan& c = *plan.curves[curve];
        c.splits = splitPanel(c, curve, s.sheetLong, s.sheetShort, s.kerf);
        for (const PanelSplit& split : c.splits)
            plan.warnings << QStringLiteral("Courbe %1 : flanc coupé à %2 mm du pied le long de "
                                            "la courbe ; une éclisse de 300 mm de large, dans le "
                                            "même contreplaqué, collée et vissée sur la face "
                                            "intérieure, relie les morceaux (à tailler dans les "
                                            "chutes)")
                                 .arg(sideName(curve), formatLength(split.station));
    }
    plan.panels = distinctPanels(plan.curves);
    nestPanels(plan);
    return plan;
}

Outline placedOutline(const ConstructionPlan& plan, const PlacedPart& part) {
    Outline o = plan.curves[part.curve]->pieces[part.piece].outline;
    const QRectF box = boundingBox(o);
    if (part.mirrored) o = mirrored(o, box.left() + box.right());
    if (part.turned)
        o = turned(o, (box.left() + box.right()) / 2, (lowestV(box) + highestV(box)) / 2);
    return translated(o, part.x - box.left(), part.y - lowestV(box));
}
