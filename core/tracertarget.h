#pragma once

#include <QLatin1String>
#include <QtGlobal>

// What a Tracer effect sets, by type rather than by name: the numeric fields
// of the main window, and the notice windows with the control each fills in.
// The names are the controls' object names and what quarvel-cli trace prints.

enum class TracerField : quint8 {
    // The input area
    LeftGroundLength,
    RightGroundLength,
    TotalLength,
    LeftArcLength,
    RightArcLength,
    // The data panel under the chart
    DataLeftDeck,
    DataRightDeck,
    DataLeftHeight,
    DataRightHeight,
    DataTotalLength,
    DataLeftGroundLength,
    DataRightGroundLength,
    DataFlat,
    DataWidth,
    DataLeftArcLength,
    DataRightArcLength,
    DataLeftRadius,
    DataRightRadius,
};
constexpr int tracerFieldCount = int(TracerField::DataRightRadius) + 1;

// A notice window: the first three show a text in a label, the wall notices a
// value in a numeric field.
enum class TracerNotice : quint8 {
    FlatLength,
    LeftRadius,
    RightRadius,
    LeftWall,
    RightWall,
};
constexpr int tracerNoticeCount = int(TracerNotice::RightWall) + 1;

struct TracerNoticeNames {
    QLatin1String window;
    QLatin1String control; // the label or the numeric field
};

// The object names, from one table each.
QLatin1String tracerName(TracerField field);
TracerNoticeNames tracerName(TracerNotice notice);
