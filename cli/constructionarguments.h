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
