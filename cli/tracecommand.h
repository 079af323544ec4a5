#pragma once

#include "rampdimensions.h"
#include "tracer.h"

#include <optional>
#include <QByteArray>
#include <QStringList>
#include <QStringView>
#include <variant>

// quarvel-cli trace [--plot WIDTHxHEIGHT] FILE: reads a design, runs the
// Tracer computation and prints what it did as one JSON object.

struct PlotSize {
    int width;
    int height;
};

// The plotting rectangle assumed when --plot is not given and no chart is at
// hand. quarvel-cli itself passes the one the main window's chart lays out at
// start-up.
constexpr PlotSize defaultTracePlotSize{761, 335};

// The usage lines of the subcommand.
QByteArray traceUsage(PlotSize defaultPlot = defaultTracePlotSize);

// "WIDTHxHEIGHT", two whole numbers from 0 to 100000.
std::optional<PlotSize> parsePlotSize(QStringView text);

// The run as JSON: dimensions, plot, notices in the order raised, the fields
// at their last value, the axis ranges set, the points, and the error when the
// run was abandoned (as the program shows it, final period included).
QByteArray traceJson(const RampDimensions& dims, PlotSize plot, const TracerRun& run);

struct CommandResult {
    int status = 0; // 0 completed, 1 run abandoned, 2 usage or file error
    QByteArray out;
    QByteArray err;
};

struct TraceArguments {
    PlotSize plot;
    QString file; // "-": standard input
};

// args: what follows "trace" on the command line. The arguments, or the
// result that ends the command at once (the usage, asked for or after a
// mistake).
std::variant<TraceArguments, CommandResult>
parseTraceArguments(const QStringList& args, PlotSize defaultPlot = defaultTracePlotSize);

// Reads the design and runs Tracer on it.
CommandResult runTrace(const TraceArguments& arguments);

// parseTraceArguments, then runTrace.
CommandResult traceCommand(const QStringList& args, PlotSize defaultPlot = defaultTracePlotSize);
