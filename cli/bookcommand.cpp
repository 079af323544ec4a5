#include "bookcommand.h"

#include "buildbook.h"
#include "constructionarguments.h"
#include "outputfile.h"
#include "plancommand.h"

#include <optional>
#include <QCoreApplication>

namespace {

std::optional<BookPaper> parseBookPaper(const QString& text) {
    if (text == u"a4") return BookPaper::A4;
    if (text == u"letter") return BookPaper::Letter;
    return std::nullopt;
}

} // namespace

QByteArray bookUsage() {
    return "quarvel-cli book [settings options] [--prices FILE] [--paper a4|letter]\n"
           "            [--units mm|in] FILE OUT.pdf\n"
           "    The build book (A4 by default): cover, shopping list priced with the\n"
           "    prices of --prices FILE (as plan takes it), the assembly steps with their\n"
           "    pictures, the cut diagrams of every sheet and board, the surface layer by\n"
           "    layer, the frame from above and from the side, ground and weather;\n"
           "    --units: the lengths printed, millimetres (default) or inches.\n"
           "    Exit status: 0 written, 1 design or settings refused, 2 usage, price\n"
           "    file, file or write error.\n";
}

CommandResult bookCommand(const QStringList& args) {
    const CommandOptions options{
        {},
        {QStringLiteral("--prices"), QStringLiteral("--paper"), QStringLiteral("--units")},
        2,
        bookUsage()};
    ConstructionArguments parsed;
    if (auto failure = parseConstructionArguments(args, options, parsed)) return *failure;
    const LengthUnit unit = parsed.unit;
    BookPaper paper = BookPaper::A4;
    if (auto failure =
            readChoiceOption(parsed, QStringLiteral("--paper"), parseBookPaper,
                             QCoreApplication::translate(
                                 "BookCommand", "Option incorrecte : --paper %1 (a4 ou letter)"),
                             paper))
        return *failure;
    if (auto failure = requireSuffix(parsed.positionals[1], QLatin1String(".pdf"), bookUsage()))
        return *failure;
    PriceTable prices;
    if (auto failure = readPricesOption(parsed, prices)) return *failure;
    ConstructionPlan plan;
    if (auto failure = buildPlanFor(parsed.design, plan)) return *failure;
    // The PDF goes to the file as its pages are drawn. The book's own faults
    // (a block taller than a page) end the run with 1, the file's with 2.
    bool bookFault = false;
    try {
        writeStreamedOutputFile(
            parsed.positionals[1],
            [&](const OutputSink& sink) {
                try {
                    buildBook(plan, prices, paper, unit).writePdf(sink);
                } catch (const QuarvelError&) {
                    bookFault = true;
                    throw;
                }
            },
            FileKinds::Any);
    } catch (const QuarvelError& error) {
        return CommandResult{bookFault ? 1 : 2, {}, messageLine(error.message())};
    }
    return CommandResult{0, {}, {}};
}
