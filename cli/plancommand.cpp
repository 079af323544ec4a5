#include "plancommand.h"

#include "constructionarguments.h"
#include "cutfile.h"
#include "cutlist.h"
#include "outputfile.h"
#include "planjson.h"

QByteArray planUsage() {
    return "quarvel-cli plan [settings options] [--csv | --json] FILE\n"
           "    The construction plan's cut list as a text table, CSV or JSON.\n" +
           settingsOptionsUsage() +
           "    Exit status: 0 printed, 1 design or settings refused, 2 usage or file error.\n";
}

CommandResult planCommand(const QStringList& args) {
    const CommandOptions options{
        {QStringLiteral("--csv"), QStringLiteral("--json")}, {}, 1, planUsage()};
    ConstructionArguments parsed;
    if (auto failure = parseConstructionArguments(args, options, parsed)) return *failure;
    if (parsed.flags.contains(u"--csv") && parsed.flags.contains(u"--json"))
        return CommandResult{2, {}, "--csv and --json exclude each other\nusage: " + planUsage()};
    ConstructionPlan plan;
    if (auto failure = buildPlanFor(parsed.design, plan)) return *failure;
    if (parsed.flags.contains(u"--csv")) return CommandResult{0, planCsv(plan), {}};
    if (parsed.flags.contains(u"--json")) return CommandResult{0, planJson(plan), {}};
    return CommandResult{0, planText(plan), {}};
}

QByteArray cutUsage() {
    return "quarvel-cli cut [settings options] [--sheets] FILE OUT.dxf|OUT.svg\n"
           "    The side panels' cut file (millimetres); --sheets: the nested sheets.\n"
           "    Exit status: 0 written, 1 design or settings refused, 2 usage, file or\n"
           "    write error.\n";
}

CommandResult cutCommand(const QStringList& args) {
    const CommandOptions options{{QStringLiteral("--sheets")}, {}, 2, cutUsage()};
    ConstructionArguments parsed;
    if (auto failure = parseConstructionArguments(args, options, parsed)) return *failure;
    const QString& out = parsed.positionals[1];
    const std::optional<CutFormat> format = cutFormatForPath(out);
    if (!format)
        return CommandResult{
            2, {}, "OUT must end in .dxf or .svg: " + out.toUtf8() + "\nusage: " + cutUsage()};
    ConstructionPlan plan;
    if (auto failure = buildPlanFor(parsed.design, plan)) return *failure;
    try {
        const QByteArray bytes = cutFileBytes(plan, *format, parsed.flags.contains(u"--sheets"));
        writeOutputFile(out, bytes, FileKinds::Any);
    } catch (const QuarvelError& error) {
        return CommandResult{2, {}, messageLine(error.message())};
    }
    return CommandResult{0, {}, {}};
}
