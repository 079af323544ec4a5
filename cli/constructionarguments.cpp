#include "constructionarguments.h"

#include "fileerror.h"
#include "messagetext.h"

#include <cstdio>
#include <QCoreApplication>

namespace {

CommandResult usageError(const QString& problem, const CommandOptions& options) {
    return CommandResult{2, {}, problem.toUtf8() + "\nusage: " + options.usage};
}

QString badPreset(const QString& value) {
    QStringList keys;
    for (const ConstructionPreset& preset : constructionPresets())
        keys << QString::fromLatin1(preset.key);
    return QCoreApplication::translate("ConstructionArguments",
                                       "Option incorrecte : --preset %1 (%2)")
        .arg(value, keys.join(QStringLiteral(" ou ")));
}

} // namespace

std::optional<CommandResult> requireSuffix(const QString& path, QLatin1String suffix,
                                           const QByteArray& usage) {
    if (path.endsWith(suffix, Qt::CaseInsensitive)) return std::nullopt;
    return CommandResult{2,
                         {},
                         "OUT must end in " + QByteArray(suffix.data()) + ": " + path.toUtf8() +
                             "\nusage: " + usage};
}

QByteArray messageLine(const QString& message) {
    return withFinalPeriod(message).toUtf8() + '\n';
}

QByteArray settingsOptionsUsage() {
    // Every key of the settings table with its default, as many a line as fit.
    constexpr qsizetype width = 80;
    const QByteArray indent = "    ";
    QByteArray usage = indent + "settings (millimetres; override the file's construction line):\n";
    QByteArray presets;
    for (const ConstructionPreset& preset : constructionPresets())
        presets += (presets.isEmpty() ? "" : "|") + QByteArray(preset.key);
    usage += indent + "--preset " + presets +
             " (Europe, North America: sheets, plywood, timber, coping; the\n" + indent +
             "other settings options override it)\n";
    QByteArray line = indent;
    for (const ConstructionSettingRow& row : constructionSettingRows()) {
        QByteArray option = QByteArray("--") + row.key + ' ' +
                            (row.kind == SettingKind::Sides ? "L,R" : row.defaultText);
        if (row.usageNote) option += QByteArray(" ") + row.usageNote;
        if (line.size() > indent.size() && line.size() + 2 + option.size() > width) {
            usage += line + '\n';
            line = indent;
        }
        line += (line.size() > indent.size() ? "  " : "") + option;
    }
    return usage + line + '\n';
}

std::optional<CommandResult> parseConstructionArguments(const QStringList& args,
                                                        const CommandOptions& options,
                                                        ConstructionArguments& parsed) {
    std::vector<std::pair<QString, QString>> settings;
    const ConstructionPreset* preset = nullptr;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (optionsEnded || !arg.startsWith(u"--")) {
            if (!optionsEnded && arg.startsWith(u'-') && arg != u"-")
                return usageError(QStringLiteral("unknown option: ") + arg, options);
            parsed.positionals << arg;
            continue;
        }
        if (arg == u"--") {
            optionsEnded = true;
            continue;
        }
        if (arg == u"--help") return CommandResult{0, "usage: " + options.usage, {}};
        if (options.flags.contains(arg)) {
            parsed.flags << arg;
            continue;
        }
        const qsizetype eq = arg.indexOf(u'=');
        const QString name = eq < 0 ? arg : arg.left(eq);
        const bool isPreset = name == u"--preset";
        const bool isSetting = constructionSettingKeys().contains(name.mid(2));
        if (!isSetting && !isPreset && !options.valued.contains(name))
            return usageError(QStringLiteral("unknown option: ") + arg, options);
        QString value;
        if (eq >= 0) {
            value = arg.mid(eq + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return usageError(name + QStringLiteral(" needs a value"), options);
        }
        if (isPreset) {
            preset = constructionPreset(value);
            if (!preset) return CommandResult{2, {}, messageLine(badPreset(value))};
            continue;
        }
        if (name == u"--units") {
            const std::optional<LengthUnit> unit = unitFromKey(value);
            if (!unit)
                return CommandResult{2,
                                     {},
                                     messageLine(QCoreApplication::translate(
                                                     "ConstructionArguments",
                                                     "Option incorrecte : --units %1 (mm ou in)")
                                                     .arg(value))};
            parsed.unit = *unit;
        }
        if (!isSetting) {
            parsed.values[name] = value;
            continue;
        }
        // Each value is checked on its own at once, so that a bad option is
        // reported as such (exit 2) before any file is read.
        ConstructionSettings probe;
        try {
            setConstructionSetting(probe, name.mid(2), value);
        } catch (const ConstructionSettingError&) {
            return CommandResult{
                2,
                {},
                messageLine(QCoreApplication::translate("ConstructionArguments",
                                                        "Option incorrecte : %1 %2 (%3)")
                                .arg(name, value, constructionSettingRange(name.mid(2))))};
        }
        settings.emplace_back(name.mid(2), value);
    }
    if (parsed.positionals.isEmpty()) return usageError(QStringLiteral("FILE missing"), options);
    if (parsed.positionals.size() != options.positionals)
        return usageError(options.positionals == 1 ? QStringLiteral("only one FILE may be given")
                                                   : QStringLiteral("FILE and OUT expected"),
                          options);
    try {
        const QString& file = parsed.positionals.first();
        parsed.design = file == u"-" ? readDesignStandardInput() : readDesignFile(file);
    } catch (const ConstructionSettingError& error) {
        return CommandResult{1, {}, messageLine(error.message())};
    } catch (const QuarvelError& error) {
        return CommandResult{2, {}, messageLine(error.message())};
    }
    try {
        if (preset) applyConstructionPreset(parsed.design.settings, *preset);
        for (const auto& [key, value] : settings)
            setConstructionSetting(parsed.design.settings, key, value);
        checkConstructionSettings(parsed.design.settings);
    } catch (const ConstructionSettingError& error) {
        return CommandResult{1, {}, messageLine(error.message())};
    }
    return std::nullopt;
}

std::optional<CommandResult> buildPlanFor(const Design& design, ConstructionPlan& plan) {
    try {
        plan = buildConstructionPlan(design.dims, design.settings);
    } catch (const QuarvelError& error) {
        return CommandResult{1, {}, messageLine(error.message())};
    }
    return std::nullopt;
}
