#pragma once

#include "derivedvalues.h"
#include "profilepoint.h"
#include "rampdimensions.h"
#include "tracertarget.h"

#include <QString>
#include <variant>
#include <vector>

// The Tracer computation as a pure function: from the eight dimensions and
// the chart's plotting size to the ordered list of what the main window must
// do. The window applies the effects in list order; when applying one fails
// (a chart setter refusing a value), it stops there, as if the run had been
// abandoned at that point.

// Every dimension must lie in 0..maxRampDimension: above it the 32-bit square
// of a dimension wraps and the geometry is meaningless.
constexpr qint32 maxRampDimension = 46340;

// The points the run samples: one per step of T / 1000.
constexpr int tracerSampleCount = 1000;

enum class TracerAxis { Bottom, Left };

// Set the label of a notice window, then show the window.
struct NoticeText {
    TracerNotice notice; // FlatLength, LeftRadius or RightRadius
    QString text;
};

// Set the numeric field of a notice window, then show the window.
struct NoticeValue {
    TracerNotice notice; // LeftWall or RightWall
    long double value;
};

// Set a numeric display field of the main window.
struct FieldValue {
    TracerField field;
    long double value;
};

// Remove every point of the chart's first series.
struct ClearSeries {};

struct AxisAutomatic {
    TracerAxis axis;
    bool automatic;
};

struct AxisMaximum {
    TracerAxis axis;
    double value;
};

struct AxisMinimum {
    TracerAxis axis;
    double value;
};

// Append the points, in order, to the chart's first series, each with an
// empty label and the colour black (clBlack).
struct AddPoints {
    std::vector<ProfilePoint> points;
};

using TracerEffect = std::variant<NoticeText, NoticeValue, FieldValue, ClearSeries, AxisAutomatic,
                                  AxisMaximum, AxisMinimum, AddPoints>;

struct TracerRun {
    std::vector<TracerEffect> effects;
    // Empty when the run completed; otherwise the message of the error that
    // abandoned it (without the final period), raised after all effects.
    QString error;
    // The values computed up to the point the run reached.
    DerivedValues derived;

    bool completed() const { return error.isEmpty(); }
};

// Whether Tracer accepts the dimensions: each within 0..maxRampDimension and a
// positive total length.
bool dimensionsAcceptable(const RampDimensions& dims);

// A notice's text or an error of a run, which the run keeps in French (the
// trace JSON carries them whatever the language), in the program's language.
QString tracerText(const QString& source);

// The error of a run refused because of its dimensions (no effect at all).
QString invalidDimensionsMessage();

// Never throws a QuarvelError: a failure is reported in TracerRun::error.
TracerRun runTracer(const RampDimensions& dims, int plotWidth, int plotHeight);
