#pragma once

#include "constructionplan.h"
#include "distinctpanels.h"

#include <cmath>
#include <numbers>

// A default side panel filled in by hand from its check values (R 140, H 70,
// deck 60, default settings), and a plan holding it on one or both curves:
// the cut files are tested on known geometry, not on what the plan builder
// happens to produce.
inline CurvePlan defaultCurvePlan() {
    const double flat = 89, t = 18, R = 1400, H = 700, back = 600, D = 60.3, reveal = 6;
    CurvePlan c;
    c.deck = 600;
    c.radius = R;
    c.height = H;
    c.back = back;
    c.ground = std::sqrt(R * R - (R - H) * (R - H));
    c.pivot = {back + c.ground, flat + t + R};
    c.frameRadius = R + t;
    c.deckFrameTop = flat + H;
    const double vp = flat + t + H + reveal - D / 2;
    const double rp = R - reveal + D / 2;
    c.pipe =
        QPointF{c.pivot.x() - std::sqrt(rp * rp - (c.pivot.y() - vp) * (c.pivot.y() - vp)), vp};
    c.notch = QPointF{c.pipe->x() - D / 2, vp - D / 2};
    c.notchFloor = c.notch->y();
    const double dv = c.pivot.y() - c.notchFloor;
    c.top = {c.pivot.x() - std::sqrt(c.frameRadius * c.frameRadius - dv * dv), c.notchFloor};
    const double start = -std::numbers::pi / 2;
    const double end =
        std::atan2(c.top.y() - c.pivot.y(), c.top.x() - c.pivot.x()) + 2 * std::numbers::pi;
    const double sweep = end - 3 * std::numbers::pi / 2; // negative: clockwise up the curve
    c.curveLength = c.frameRadius * -sweep;
    c.panelLength = c.pivot.x();
    c.panelHeight = c.deckFrameTop;
    c.panelCount = 5;
    c.panelPitch = (2440 - 18) / 4.0;
    for (int i = 0; i < 8; ++i) {
        const double s = 44.5 + i * (c.curveLength - 89) / 7;
        const double a = start - s / c.frameRadius;
        c.stations.push_back(s);
        c.stationPoints.push_back(
            {c.pivot.x() + c.frameRadius * std::cos(a), c.pivot.y() + c.frameRadius * std::sin(a)});
    }
    c.outline = {Segment::line({0, 0}, {c.pivot.x(), 0}),
                 Segment::line({c.pivot.x(), 0}, {c.pivot.x(), flat}),
                 Segment::arc(c.pivot, c.frameRadius, start, sweep),
                 Segment::line(c.top, {c.notch->x(), c.notchFloor}),
                 Segment::line({c.notch->x(), c.notchFloor}, {c.notch->x(), c.deckFrameTop}),
                 Segment::line({c.notch->x(), c.deckFrameTop}, {0, c.deckFrameTop}),
                 Segment::line({0, c.deckFrameTop}, {0, 0})};
    c.pieces = {PanelPiece{c.outline}};
    return c;
}

// With both curves, the ten panels nested two to a sheet as the nesting
// does it: the second turned over the first's curve; on the middle sheet
// also mirrored, so that every placement is drawn.
inline ConstructionPlan samplePlan(bool left, bool right) {
    ConstructionPlan plan;
    if (left) plan.curves[leftCurve] = defaultCurvePlan();
    if (right) plan.curves[rightCurve] = defaultCurvePlan();
    plan.panels = distinctPanels(plan.curves);
    if (!left || !right) return plan;
    const double kerf = plan.settings.kerf, over = 995.9 - 789 + kerf;
    for (int k = 0; k < 5; ++k) {
        const int first = k < 3 ? leftCurve : rightCurve, second = k < 2 ? leftCurve : rightCurve;
        SheetLayout sheet;
        sheet.parts.push_back({first, 0, kerf, kerf, false, false});
        sheet.parts.push_back({second, 0, kerf, kerf + over, true, k == 2});
        plan.panelSheets.layout.push_back(sheet);
    }
    plan.panelSheets.count = 5;
    return plan;
}
