#pragma once

#include "chartrect.h"

#include <QList>

class TChartAxes;
class TChartSeries;
class TextMeasurer;

// The plotting rectangle's layout for one paint: margins, 3D depth, the axes'
// space. Pure computation on the axes and series given; no painting.

struct ChartMargins {
    int left = 3; // percent of the client width
    int top = 4;  // percent of the client height
    int right = 3;
    int bottom = 4;
};

struct ChartLayoutSettings {
    int width = 0; // the client area painted, (0, 0, width, height)
    int height = 0;
    int borderWidth = 0;
    ChartMargins margins;
    bool view3D = true;
    int chart3DPercent = 15;
    bool orthogonal = true;
    int orthoAngle = 45;
    bool axisVisible = true;
    bool view3DWalls = true;
    int backWallSize = 0;
    bool rightWallVisible = false;
    int rightWallSize = 0;
    int leftWallSize = 0;
    int bottomWallSize = 0;
};

struct ChartDepth {
    int seriesDepth = 0;
    int seriesDepthRise = 0;
    int depthSlots = 1;
    int totalDepth = 0;
    int totalDepthRise = 0;
};

struct ChartLayoutResult {
    ChartRect plotRect;   // final, after the axes took their space
    ChartRect beforeAxes; // after margins and depth, before the axes
    ChartDepth depth;
    bool wallsApply = true; // some active series uses axes, or none is active
};

// MulDiv: a × b ÷ c to the nearest integer, halves away from zero; -1 when c is 0.
int mulDiv(int a, int b, int c);
// Rounding to the nearest integer, halves to even.
int roundHalfEven(double value);

// Plot rectangle inside the margins of a (0, 0, width, height) client area.
ChartRect marginRect(int width, int height, int borderWidth, const ChartMargins& margins);
// Keeps the rectangle inside the bounds' top-left and at least one pixel wide
// and high; edges that meet exactly give the full chart width or height.
void normalisePlotRect(ChartRect& rect, const ChartRect& bounds);

// Depth of one series' slot and of the whole box, from PlotWidth after the
// margins. depthSlots is the highest series z-order + 1 (at least 1).
ChartDepth computeDepth(int plotWidth, bool view3D, int chart3DPercent, bool orthogonal,
                        int orthoAngle, int depthSlots);
// Gives each active series with an automatic z-order the next number; returns
// the highest z-order (-1 when no series is active) and sets each depth slot.
int assignSeriesZOrder(const QList<TChartSeries*>& series);
// Start, end and middle depth of each active series.
void assignSeriesDepths(const QList<TChartSeries*>& series, int seriesDepth);

// The whole layout of one paint. Leaves every axis with its working range,
// pixel span and axis-line position on the final rectangle, and each series
// with its depths.
ChartLayoutResult layoutChart(const ChartLayoutSettings& settings, TChartAxes& axes,
                              const QList<TChartSeries*>& series, const TextMeasurer& measurer);
