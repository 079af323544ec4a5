#include "plancommand.h"

#include "constructionarguments.h"
#include "cutfile.h"
#include "cutlist.h"
#include "fileerror.h"
#include "outputfile.h"
#include "planjson.h"
#include "posixfile.h"

#include <cerrno>
#include <QCoreApplication>

namespace {

// A price file is a few lines; anything much larger is not one.
constexpr qsizetype largestPriceFile = 1 << 16;

} // namespace

PriceTable readPriceFile(const QString& path) {
    PosixFile file = PosixFile::openForReading(path, FileKinds::Any);
    QByteArray bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t n = file.read(buffer, sizeof buffer);
        if (n < 0) throw FileError::fromErrno(errno, path);
        if (n == 0) break;
        bytes.append(buffer, n);
        if (bytes.size() > largestPriceFile)
            throw PriceFileError(QCoreApplication::translate(
                                     "PlanCommand", "Fichier de prix incorrect : %1 (trop grand)")
                                     .arg(path));
    }
    return parsePriceFile(bytes);
}

std::optional<CommandResult> readPricesOption(const ConstructionArguments& parsed,
                                              PriceTable& prices) {
    if (!parsed.values.contains(QStringLiteral("--prices"))) return std::nullopt;
    try {
        prices = readPriceFile(parsed.values.value(QStringLiteral("--prices")));
    } catch (const QuarvelError& error) {
        return CommandResult{2, {}, messageLine(error.message())};
    }
    return std::nullopt;
}

QByteArray planUsage() {
    return "quarvel-cli plan [settings options] [--prices FILE] [--units mm|in] [--csv | --json]\n"
           "                FILE\n"
           "    The construction plan's cut list as a text table, CSV or JSON, with\n"
           "    the deck frames, fasteners, timber to buy and prices. --prices FILE: an\n"
           "    INI file whose [prices] section sets sheet (per m2 per mm), timber (per\n"
           "    metre of rib timber), pipe (per metre), screws_short, screws_long (per\n"
           "    100), lag, bolt, bracket (each), glue (per kg) and currency; without it\n"
           "    the prices are indicative. --units in: the table's and the CSV's lengths\n"
           "    in feet and inches to 1/16 in, thicknesses to 1/32 in (mm by default; the\n"
           "    JSON is always in millimetres).\n" +
           settingsOptionsUsage() +
           "    Exit status: 0 printed, 1 design or settings refused, 2 usage, price\n"
           "    file or file error.\n";
}

CommandResult planCommand(const QStringList& args) {
    const CommandOptions options{{QStringLiteral("--csv"), QStringLiteral("--json")},
                                 {QStringLiteral("--prices"), QStringLiteral("--units")},
                                 1,
                                 planUsage()};
    ConstructionArguments parsed;
    if (auto failure = parseConstructionArguments(args, options, parsed)) return *failure;
    if (parsed.flags.contains(u"--csv") && parsed.flags.contains(u"--json"))
        return CommandResult{2, {}, "--csv and --json exclude each other\nusage: " + planUsage()};
    PriceTable prices;
    if (auto failure = readPricesOption(parsed, prices)) return *failure;
    ConstructionPlan plan;
    if (auto failure = buildPlanFor(parsed.design, plan)) return *failure;
    if (parsed.flags.contains(u"--csv"))
        return CommandResult{0, planCsv(plan, prices, parsed.unit), {}};
    if (parsed.flags.contains(u"--json")) return CommandResult{0, planJson(plan, prices), {}};
    return CommandResult{0, planText(plan, prices, parsed.unit), {}};
}

QByteArray cutUsage() {
    return "quarvel-cli cut [settings options] [--sheets] [--units mm|in] FILE OUT.dxf|OUT.svg\n"
           "    The side panels' cut file (millimetres); --sheets: the nested sheets;\n"
           "    --units: the labels' lengths, millimetres (default) or inches.\n"
           "    Exit status: 0 written, 1 design or settings refused, 2 usage, file or\n"
           "    write error.\n";
}

CommandResult cutCommand(const QStringList& args) {
    const CommandOptions options{
        {QStringLiteral("--sheets")}, {QStringLiteral("--units")}, 2, cutUsage()};
    ConstructionArguments parsed;
    if (auto failure = parseConstructionArguments(args, options, parsed)) return *failure;
    const LengthUnit unit = parsed.unit;
    const QString& out = parsed.positionals[1];
    const std::optional<CutFormat> format = cutFormatForPath(out);
    if (!format)
        return CommandResult{
            2, {}, "OUT must end in .dxf or .svg: " + out.toUtf8() + "\nusage: " + cutUsage()};
    ConstructionPlan plan;
    if (auto failure = buildPlanFor(parsed.design, plan)) return *failure;
    try {
        const QByteArray bytes =
            cutFileBytes(plan, *format, parsed.flags.contains(u"--sheets"), unit);
        writeOutputFile(out, bytes, FileKinds::Any);
    } catch (const QuarvelError& error) {
        return CommandResult{2, {}, messageLine(error.message())};
    }
    return CommandResult{0, {}, {}};
}
