#include "tracecommand.h"

#include "jsontext.h"
#include "messagetext.h"
#include "qvlfile.h"
#include "wholenumber.h"

#include <array>

QByteArray traceUsage(PlotSize defaultPlot) {
    return "quarvel-cli trace [--plot WIDTHxHEIGHT] FILE\n"
           "    Reads the design FILE (\"-\" for standard input), runs Tracer on a\n"
           "    plotting rectangle of WIDTHxHEIGHT pixels (default " +
           QByteArray::number(defaultPlot.width) + 'x' + QByteArray::number(defaultPlot.height) +
           ") and prints\n"
           "    the notices, fields, axis ranges and points as JSON.\n"
           "    Exit status: 0 completed, 1 abandoned (the JSON holds the error),\n"
           "    2 usage or file error.\n";
}

namespace {

constexpr int maxPlotSide = 100000;

const char* axisKey(TracerAxis axis) {
    return axis == TracerAxis::Bottom ? "bottom" : "left";
}

struct AxisRange {
    std::optional<double> minimum;
    std::optional<double> maximum;
};

QByteArray axisJson(const AxisRange& range) {
    QByteArray out = "{";
    if (range.minimum) out += "\"minimum\": " + jsonNumber(*range.minimum);
    if (range.maximum) {
        if (range.minimum) out += ", ";
        out += "\"maximum\": " + jsonNumber(*range.maximum);
    }
    return out + "}";
}

QByteArray noticeJson(const TracerEffect& effect) {
    if (const auto* n = std::get_if<NoticeText>(&effect)) {
        const TracerNoticeNames names = tracerName(n->notice);
        return "{\"window\": " + jsonString(names.window) +
               ", \"label\": " + jsonString(names.control) + ", \"text\": " + jsonString(n->text) +
               "}";
    }
    const auto& v = std::get<NoticeValue>(effect);
    const TracerNoticeNames names = tracerName(v.notice);
    return "{\"window\": " + jsonString(names.window) +
           ", \"field\": " + jsonString(names.control) + ", \"value\": " + jsonNumber(v.value) +
           "}";
}

CommandResult usageError(const QString& problem, PlotSize defaultPlot) {
    CommandResult result;
    result.status = 2;
    result.err = problem.toUtf8() + "\nusage: " + traceUsage(defaultPlot);
    return result;
}

} // namespace

std::optional<PlotSize> parsePlotSize(QStringView text) {
    const qsizetype x = text.indexOf(u'x');
    if (x <= 0) return std::nullopt;
    const auto side = [](QStringView digits) -> std::optional<int> {
        for (QChar c : digits)
            if (!c.isDigit() || c.unicode() > u'9') return std::nullopt;
        const std::optional<qint32> v = textToInt32(digits);
        if (!v || *v > maxPlotSide) return std::nullopt;
        return *v;
    };
    const std::optional<int> width = side(text.left(x));
    const std::optional<int> height = side(text.mid(x + 1));
    if (!width || !height) return std::nullopt;
    return PlotSize{*width, *height};
}

QByteArray traceJson(const RampDimensions& d, PlotSize plot, const TracerRun& run) {
    QByteArray out;
    out += "{\n  \"dimensions\": {\"P1\": " + jsonNumber(qint64(d.P1)) +
           ", \"R1\": " + jsonNumber(qint64(d.R1)) + ", \"H1\": " + jsonNumber(qint64(d.H1)) +
           ", \"F\": " + jsonNumber(qint64(d.F)) + ", \"W\": " + jsonNumber(qint64(d.W)) +
           ", \"R2\": " + jsonNumber(qint64(d.R2)) + ", \"H2\": " + jsonNumber(qint64(d.H2)) +
           ", \"P2\": " + jsonNumber(qint64(d.P2)) + "},\n";
    out += "  \"plot\": {\"width\": " + jsonNumber(qint64(plot.width)) +
           ", \"height\": " + jsonNumber(qint64(plot.height)) + "},\n";

    // Fields keep the order in which they were first set, at their last value.
    std::vector<TracerField> fieldOrder;
    std::array<std::optional<long double>, tracerFieldCount> fieldValues;
    QByteArray notices;
    AxisRange bottom, left;
    bool bottomSet = false, leftSet = false;
    QByteArray points;
    for (const TracerEffect& effect : run.effects) {
        if (std::holds_alternative<NoticeText>(effect) ||
            std::holds_alternative<NoticeValue>(effect)) {
            if (!notices.isEmpty()) notices += ",\n    ";
            notices += noticeJson(effect);
        } else if (const auto* f = std::get_if<FieldValue>(&effect)) {
            std::optional<long double>& value = fieldValues[std::size_t(f->field)];
            if (!value) fieldOrder.push_back(f->field);
            value = f->value;
        } else if (const auto* m = std::get_if<AxisMaximum>(&effect)) {
            (m->axis == TracerAxis::Bottom ? bottom : left).maximum = m->value;
            (m->axis == TracerAxis::Bottom ? bottomSet : leftSet) = true;
        } else if (const auto* m = std::get_if<AxisMinimum>(&effect)) {
            (m->axis == TracerAxis::Bottom ? bottom : left).minimum = m->value;
            (m->axis == TracerAxis::Bottom ? bottomSet : leftSet) = true;
        } else if (const auto* p = std::get_if<AddPoints>(&effect)) {
            for (const ProfilePoint& point : p->points) {
                if (!points.isEmpty()) points += ", ";
                points += '[' + jsonNumber(point.x) + ", " + jsonNumber(point.y) + ']';
            }
        }
    }

    out += notices.isEmpty() ? QByteArray("  \"notices\": [],\n")
                             : "  \"notices\": [\n    " + notices + "\n  ],\n";
    out += "  \"fields\": {";
    for (std::size_t i = 0; i < fieldOrder.size(); ++i) {
        if (i > 0) out += ", ";
        out += jsonString(tracerName(fieldOrder[i])) + ": " +
               jsonNumber(*fieldValues[std::size_t(fieldOrder[i])]);
    }
    out += "},\n  \"axes\": {";
    if (bottomSet)
        out += QByteArray("\"") + axisKey(TracerAxis::Bottom) + "\": " + axisJson(bottom);
    if (leftSet) {
        if (bottomSet) out += ", ";
        out += QByteArray("\"") + axisKey(TracerAxis::Left) + "\": " + axisJson(left);
    }
    out += "},\n  \"points\": [" + points + "]";
    if (!run.completed()) out += ",\n  \"error\": " + jsonString(withFinalPeriod(run.error));
    out += "\n}\n";
    return out;
}

std::variant<TraceArguments, CommandResult> parseTraceArguments(const QStringList& args,
                                                                PlotSize defaultPlot) {
    PlotSize plot = defaultPlot;
    std::optional<QString> file;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!optionsEnded && (arg == u"--help" || arg == u"-h"))
            return CommandResult{0, "usage: " + traceUsage(defaultPlot), {}};
        if (!optionsEnded && (arg == u"--plot" || arg.startsWith(u"--plot="))) {
            QString value;
            if (arg == u"--plot") {
                if (i + 1 >= args.size())
                    return usageError(QStringLiteral("--plot needs a size"), defaultPlot);
                value = args[++i];
            } else {
                value = arg.mid(7);
            }
            const std::optional<PlotSize> size = parsePlotSize(value);
            if (!size) return usageError(QStringLiteral("bad plot size: ") + value, defaultPlot);
            plot = *size;
        } else if (!optionsEnded && arg == u"--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.startsWith(u'-') && arg != u"-") {
            return usageError(QStringLiteral("unknown option: ") + arg, defaultPlot);
        } else if (file) {
            return usageError(QStringLiteral("only one FILE may be given"), defaultPlot);
        } else {
            file = arg;
        }
    }
    if (!file) return usageError(QStringLiteral("FILE missing"), defaultPlot);
    return TraceArguments{plot, *file};
}

CommandResult runTrace(const TraceArguments& arguments) {
    RampDimensions dims;
    try {
        dims = arguments.file == u"-" ? readQvlStandardInput().dims : readQvlFile(arguments.file);
    } catch (const QuarvelError& error) {
        return CommandResult{2, {}, withFinalPeriod(error.message()).toUtf8() + '\n'};
    }
    const PlotSize plot = arguments.plot;
    const TracerRun run = runTracer(dims, plot.width, plot.height);
    return CommandResult{run.completed() ? 0 : 1, traceJson(dims, plot, run), {}};
}

CommandResult traceCommand(const QStringList& args, PlotSize defaultPlot) {
    auto parsed = parseTraceArguments(args, defaultPlot);
    if (auto* done = std::get_if<CommandResult>(&parsed)) return *done;
    return runTrace(std::get<TraceArguments>(parsed));
}
