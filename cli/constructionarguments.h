#pragma once

#include "constructionplan.h"
#include "designfile.h"
#include "lengthunits.h"
#include "tracecommand.h"

#include <optional>
#include <QByteArray>
#include <QMap>
#include <QStringList>

// The command line shared by plan, cut and template: the construction
// settings as options (--surface 9,9 --panel 18 ... --kerf 4, one per key,
// "--key VALUE" or "--key=VALUE"), the command's own flags and valued
// options, then FILE and any outputs.

// What a command accepts besides the settings options.
struct CommandOptions {
    QStringList flags;   // e.g. "--csv"
    QStringList valued;  // e.g. "--paper"
    int positionals = 1; // FILE, OUT...
    QByteArray usage;    // the command's usage lines
};

struct ConstructionArguments {
    QStringList flags;                         // given flags
    QMap<QString, QString> values;             // given valued options
    QStringList positionals;                   // FILE first
    Design design;                             // the file's design, options applied
    LengthUnit unit = LengthUnit::Millimetres; // --units, for commands that list it as valued
};

// The settings options' usage text.
QByteArray settingsOptionsUsage();

// Parses args and reads the design. --preset applies before the settings
// options; --units (when options.valued lists it) sets parsed.unit. On failure returns the result
// to end the command with: 2 for usage, a bad option value (naming the option and its range) or a
// file error; 1 for a design whose own settings line is refused.
std::optional<CommandResult> parseConstructionArguments(const QStringList& args,
                                                        const CommandOptions& options,
                                                        ConstructionArguments& parsed);

// The plan, or the result ending the command: 1 with the refusal's message.
std::optional<CommandResult> buildPlanFor(const Design& design, ConstructionPlan& plan);

// A failure message as the program shows it, final period and line end.
QByteArray messageLine(const QString& message);

// An option's value read through parse into choice (left as it is when the
// option is not given), or the result ending the command: 2 with refusal,
// whose %1 is the value given.
template <typename Choice, typename Parse>
std::optional<CommandResult> readChoiceOption(const ConstructionArguments& parsed,
                                              const QString& option, Parse parse,
                                              const QString& refusal, Choice& choice) {
    if (!parsed.values.contains(option)) return std::nullopt;
    const QString value = parsed.values.value(option);
    const std::optional<Choice> chosen = parse(value);
    if (!chosen) return CommandResult{2, {}, messageLine(refusal.arg(value))};
    choice = *chosen;
    return std::nullopt;
}

// The result ending the command when path does not end in suffix (".pdf",
// any case): 2 with the usage.
std::optional<CommandResult> requireSuffix(const QString& path, QLatin1String suffix,
                                           const QByteArray& usage);
