#include "rendercommand.h"

#include "designrender.h"
#include "messagetext.h"
#include "quarvelerror.h"
#include "qvlfile.h"

QByteArray renderUsage() {
    return "quarvel-cli render [--2d] [--data] [--title TEXT] FILE OUT.bmp\n"
           "    Opens the design FILE (\"-\" for standard input) as the program does\n"
           "    (Tracer runs on it) and writes the exported picture of the chart area\n"
           "    to OUT.bmp, without showing a window. --2d: the flat profile view;\n"
           "    --data: with the data panel; --title: the title typed over the chart.\n"
           "    Exit status: 0 written, 1 written but Tracer abandoned its run,\n"
           "    2 usage or file error.\n";
}

namespace {
CommandResult usageError(const QString& problem) {
    return CommandResult{2, {}, problem.toUtf8() + "\nusage: " + renderUsage()};
}
} // namespace

CommandResult renderCommand(const QStringList& args) {
    DesignRenderOptions options;
    QStringList paths;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (optionsEnded || !arg.startsWith(u'-') || arg == u"-") {
            paths << arg;
        } else if (arg == u"--") {
            optionsEnded = true;
        } else if (arg == u"--help" || arg == u"-h") {
            return CommandResult{0, "usage: " + renderUsage(), {}};
        } else if (arg == u"--2d") {
            options.view3D = false;
        } else if (arg == u"--data") {
            options.showData = true;
        } else if (arg == u"--title") {
            if (i + 1 >= args.size()) return usageError(QStringLiteral("--title needs a text"));
            options.title = args[++i];
        } else if (arg.startsWith(u"--title=")) {
            options.title = arg.mid(8);
        } else {
            return usageError(QStringLiteral("unknown option: ") + arg);
        }
    }
    if (paths.size() != 2) return usageError(QStringLiteral("FILE and OUT.bmp expected"));
    if (!paths[1].endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive))
        return usageError(QStringLiteral("OUT must end in .bmp: ") + paths[1]);

    try {
        const RampDimensions dims =
            paths[0] == u"-" ? readQvlStandardInput().dims : readQvlFile(paths[0]);
        const QString tracerError = renderDimensionsToBmp(dims, paths[1], options);
        if (!tracerError.isEmpty())
            return CommandResult{1, {}, withFinalPeriod(tracerError).toUtf8() + '\n'};
    } catch (const QuarvelError& error) {
        return CommandResult{2, {}, withFinalPeriod(error.message()).toUtf8() + '\n'};
    }
    return CommandResult{};
}
