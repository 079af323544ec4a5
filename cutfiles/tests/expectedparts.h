#pragma once

#include "constructionplan.h"
#include "cutlayout.h"
#include "quarvelerror.h"

#include <functional>
#include <QString>
#include <vector>

// The parts where a cut file must draw them (mm, y up): side by side, each
// piece's box moved to y = 0 and partGap after the previous one, a panel's
// splice plates after its pieces; or on the nested sheets, sheet k moved
// k * (long side + sheetGap) along x.
inline std::vector<Outline> expectedParts(const ConstructionPlan& plan, bool sheets) {
    std::vector<Outline> parts;
    if (sheets) {
        for (size_t k = 0; k < plan.panelSheets.layout.size(); ++k) {
            for (const PlacedPart& part : plan.panelSheets.layout[k].parts)
                parts.push_back(translated(placedOutline(plan, part),
                                           k * (plan.settings.sheetLong + sheetGap), 0));
        }
        return parts;
    }
    double x = 0;
    const auto add = [&](const Outline& outline) {
        const QRectF box = boundingBox(outline);
        parts.push_back(translated(outline, x - box.left(), -lowestV(box)));
        x += box.width() + partGap;
    };
    for (const DistinctPanel& panel : plan.panels) {
        const CurvePlan& curve = *plan.curves[panel.curve];
        for (const PanelPiece& piece : curve.pieces)
            add(piece.outline);
        for (const PanelSplice& plate : curve.splicePlates)
            add(plate.outline);
    }
    return parts;
}

// The designs the cut-file tests run on, by name.
inline RampDimensions testDesign(const QString& name) {
    RampDimensions dims;
    if (name == u"wall") { // R 150, H 200 on the left: split in two pieces
        dims.R1 = 150;
        dims.H1 = 200;
    } else if (name == u"left only") {
        dims.H2 = 0;
    }
    return dims;
}
