#pragma once

#include "bookcanvas.h"
#include "lengthunits.h"
#include "rampmodel.h"

#include <QPainterPath>
#include <QRectF>
#include <vector>

// The frame drawn to scale as vectors, from the 3D model: each part's exact
// outline seen from above (x across the page, y up it) or from the side (x,
// z up). Only the triangles facing the viewer are kept, all turning the same
// way once projected, so that filling them with the non-zero rule gives each
// part's outline without any union computed.
enum class FramingSide { Above, Side };

struct FramingPart {
    PartKind kind = PartKind::Panel;
    QPainterPath outline; // model mm, projected
};

struct FramingView {
    QRectF extent; // model mm, projected
    std::vector<FramingPart> parts;
};

// The parts marked in shown (one flag per model part), panels first so that
// the timber is drawn over them.
FramingView framingView(const RampModel& model, const std::vector<bool>& shown, FramingSide side);

// The view at the canvas's width (less a band for its dimensions), the
// overall length below it and its width or height on its left.
void drawFramingView(BookCanvas& canvas, const FramingView& view, LengthUnit unit);

// The height a view takes on a canvas of that width.
double framingViewHeight(const FramingView& view, double width);
