#include "curvegeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;
// Shorter edges than this are left out of an outline (a corner where two
// edges meet exactly).
constexpr double edgeSlack = 1e-9;

void addLine(Outline& outline, QPointF to) {
    const QPointF from = outline.back().to;
    if (std::abs(to.x() - from.x()) + std::abs(to.y() - from.y()) > edgeSlack)
        outline.push_back(Segment::line(from, to));
}

} // namespace

CurvePlan curveGeometry(double deck, double radius, double height, double back,
                        const ConstructionSettings& settings) {
    CurvePlan c;
    c.deck = deck;
    c.radius = radius;
    c.height = height;
    c.back = back;
    const double t = settings.surfaceThickness();
    const double flat = settings.flat;
    const double pipe = settings.coping;
    const double reveal = settings.reveal;

    c.ground = height > radius ? radius
                               : std::sqrt(radius * radius - (radius - height) * (radius - height));
    c.pivot = {back + c.ground, flat + t + radius};
    c.frameRadius = radius + t;
    c.deckFrameTop = flat + height;
    const QPointF centre = c.pivot;
    const double rf = c.frameRadius;

    double top = c.deckFrameTop; // v_n: where the frame curve ends
    double notchWall = 0;
    bool notch = false;
    if (pipe > 0) {
        const QPointF offset = pipeFromPivot(radius, height, pipe, reveal);
        c.pipe = centre + offset;
        // A pipe thinner than the surface and its reveal sits on the deck frame.
        if (pipe > t + reveal) {
            notch = true;
            top = c.pipe->y() - pipe / 2;
            // A deck shorter than the pipe: the notch runs out at the back end.
            notchWall = std::max(0.0, c.pipe->x() - pipe / 2);
        }
    }
    c.notchFloor = top;

    double phi = pi / 2;
    double wall = 0;
    if (top < centre.y())
        phi = std::acos((centre.y() - top) / rf);
    else
        wall = top - centre.y();
    // A lip almost at the back end (a very short deck under a steep curve): the
    // frame curve would run behind the panel, so it ends at the back end and
    // the notch, which would lie wholly behind the panel, is left out.
    bool endsAtBack = false;
    if (centre.x() - rf * std::sin(phi) < 0) {
        phi = std::asin(centre.x() / rf);
        wall = 0;
        endsAtBack = true;
        notch = false;
    }

    Outline& o = c.outline;
    o.push_back(Segment::line({0, 0}, {centre.x(), 0}));
    addLine(o, {centre.x(), flat}); // the toe riser
    Segment arc = Segment::arc(centre, rf, 3 * pi / 2, -phi);
    arc.from = o.back().to; // the same point, without the rounding of the cosine
    o.push_back(arc);
    if (wall > 0) addLine(o, {centre.x() - rf, top});
    c.top = o.back().to;
    if (endsAtBack) {
        o.back().to.setX(0); // exactly on the back end
        c.top = o.back().to;
    } else if (notch) {
        notchWall = std::min(notchWall, c.top.x());
        c.notch = QPointF{notchWall, top};
        addLine(o, {notchWall, c.top.y()});
        if (notchWall > 0) {
            addLine(o, {notchWall, c.deckFrameTop});
            addLine(o, {0, c.deckFrameTop});
        }
    } else {
        addLine(o, {0, c.deckFrameTop});
    }
    addLine(o, {0, 0});

    c.wall = wall;
    c.curveLength = rf * phi + wall;
    c.panelLength = centre.x();
    // v_d, or lower when the curve ends at the back end before reaching it.
    c.panelHeight = highestV(boundingBox(o));
    c.pieces = {PanelPiece{o}};
    return c;
}

QPointF pipeFromPivot(double radius, double height, double pipe, double reveal) {
    // The pipe's top at the deck surface plus reveal: its centre's height
    // above the pivot, which stands R above the riding flat.
    const double dv = height - radius + reveal - pipe / 2;
    if (height > radius) return {-(radius - reveal + pipe / 2), dv};
    const double r = radius - reveal + pipe / 2;
    return {-std::sqrt(std::max(0.0, r * r - dv * dv)), dv};
}
