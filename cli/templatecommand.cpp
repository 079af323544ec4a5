#include "templatecommand.h"

#include "constructionarguments.h"
#include "outputfile.h"
#include "templatepdf.h"
#include <QCoreApplication>

QByteArray templateUsage() {
    return "quarvel-cli template [settings options] [--paper a4|letter|a3|full] [--overlap MM]\n"
           "            [--units mm|in] FILE OUT.pdf\n"
           "    Full-scale templates of the side panels: tiles to print at actual size\n"
           "    (A4 by default, overlap 15 mm, 5 to 50), or one page per panel (full);\n"
           "    --units: the lengths printed, millimetres (default) or inches.\n"
           "    Exit status: 0 written, 1 design or settings refused, 2 usage, file or\n"
           "    write error.\n";
}

CommandResult templateCommand(const QStringList& args) {
    const CommandOptions options{
        {},
        {QStringLiteral("--paper"), QStringLiteral("--overlap"), QStringLiteral("--units")},
        2,
        templateUsage()};
    ConstructionArguments parsed;
    if (auto failure = parseConstructionArguments(args, options, parsed)) return *failure;
    const LengthUnit unit = parsed.unit;
    TemplatePaper paper = TemplatePaper::A4;
    if (auto failure = readChoiceOption(
            parsed, QStringLiteral("--paper"), parseTemplatePaper,
            QCoreApplication::translate("TemplateCommand", "Option incorrecte : --paper %1 (a4, "
                                                           "letter, a3 ou full)"),
            paper))
        return *failure;
    double overlap = 15;
    if (parsed.values.contains(QStringLiteral("--overlap"))) {
        const QString value = parsed.values.value(QStringLiteral("--overlap"));
        bool ok = false;
        overlap = value.toDouble(&ok);
        if (!ok || !(overlap >= 5 && overlap <= 50) || value.contains(u'e', Qt::CaseInsensitive))
            return CommandResult{
                2,
                {},
                messageLine(QCoreApplication::translate("TemplateCommand",
                                                        "Option incorrecte : --overlap %1 (5 à 50)")
                                .arg(value))};
    }
    if (auto failure = requireSuffix(parsed.positionals[1], QLatin1String(".pdf"), templateUsage()))
        return *failure;
    ConstructionPlan plan;
    if (auto failure = buildPlanFor(parsed.design, plan)) return *failure;
    QByteArray pdf;
    try {
        pdf = templatePdf(plan, paper, overlap, unit);
    } catch (const QuarvelError& error) { // a design too large for this paper
        return CommandResult{1, {}, messageLine(error.message())};
    }
    try {
        writeOutputFile(parsed.positionals[1], pdf, FileKinds::Any);
    } catch (const QuarvelError& error) {
        return CommandResult{2, {}, messageLine(error.message())};
    }
    return CommandResult{0, {}, {}};
}
