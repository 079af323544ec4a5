#pragma once

#include "cutdrawing.h"

#include <QByteArray>

// Margin around the drawing on the SVG page.
constexpr double svgMargin = 10;

// The drawing as an SVG file of its real size: width and height in mm, the
// viewBox in mm, y down (y = top - v), every layer a group <g id="CUT">,
// "MARK", "TEXT", "SHEET"; outlines as closed paths whose arcs are SVG arc
// commands (A), numbers with at most 4 decimals whatever the locale. The same
// drawing gives the same bytes.
QByteArray svgBytes(const CutDrawing& drawing);
