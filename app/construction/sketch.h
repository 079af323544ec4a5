#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

// A drawing of the plan in millimetres (v up), built once per plan by plain
// functions and painted at any scale by SketchView: shapes, dimension lines
// and texts. Texts keep their size on screen whatever the zoom.

enum class SketchStyle { wood, rib, sheet, cut, measure, surface, arrow };

struct SketchShape {
    QList<QPointF> points;
    SketchStyle style = SketchStyle::wood;
    bool closed = true; // an open shape is a polyline; an arrow points at its last point
};

// A dimension line beside from-to, its text at its middle. It is drawn
// offset pixels to the right of the way from -> to runs on screen: left to
// right puts it below, top to bottom on the left.
struct SketchDimension {
    QPointF from;
    QPointF to;
    QString text;
    double offset = 6;
};

// A text anchored at a point: alignment says where the text lies from it
// (AlignLeft: it starts there; AlignBottom: it stands on it). lineShift moves
// it down by that many text lines. A text wider than room millimetres on
// screen is left out (0: always drawn), so that parts too small to hold
// their name are not covered with it until zoomed.
struct SketchLabel {
    QPointF at;
    QString text;
    int alignment = 0; // Qt::Alignment flags
    double lineShift = 0;
    double room = 0;
};

struct Sketch {
    QRectF world; // what fits the view at first
    std::vector<SketchShape> shapes;
    std::vector<SketchDimension> dimensions;
    std::vector<SketchLabel> labels;

    // Every text of the drawing, dimensions first: what a reader can find in it.
    QStringList texts() const;
};
