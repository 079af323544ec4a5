#include "constructionsettings.h"

#include "constructionwords.h"
#include "decimaltext.h"

#include <cmath>
#include <iterator>
#include <QCoreApplication>

namespace {

// One decimal place is kept: a builder measures to the millimetre, and the
// file line must read back to the same value.
double keptLength(double mm) {
    return std::round(mm * 10) / 10;
}

// A plain decimal length: digits, optionally '.' and more digits.
std::optional<double> parseLength(QStringView text) {
    qsizetype digits = 0, point = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'.' && point < 0 && i > 0) {
            point = i;
            continue;
        }
        if (text[i] < u'0' || text[i] > u'9') return std::nullopt;
        ++digits;
    }
    if (digits == 0 || digits > 12 || point == text.size() - 1) return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return keptLength(value);
}

std::optional<double> parseIn(QStringView text, SettingRange range) {
    const std::optional<double> value = parseLength(text);
    if (!value || !range.contains(*value)) return std::nullopt;
    return value;
}

// "a x b" as two lengths (x or X, or the multiplication sign).
std::optional<std::pair<double, double>> parsePair(QStringView text, SettingRange first,
                                                   SettingRange second) {
    qsizetype at = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'x' || text[i] == u'X' || text[i] == u'\u00d7') {
            at = i;
            break;
        }
    }
    if (at < 0) return std::nullopt;
    const auto a = parseIn(text.left(at).trimmed(), first);
    const auto b = parseIn(text.mid(at + 1).trimmed(), second);
    if (!a || !b) return std::nullopt;
    return std::pair{*a, *b};
}

QString rangeText(SettingRange r, bool thickness = false,
                  LengthUnit unit = LengthUnit::Millimetres) {
    return QCoreApplication::translate("ConstructionSettings", "%1 à %2")
        .arg(settingLengthText(r.low, thickness, unit), settingLengthText(r.high, thickness, unit));
}

QString translated(const char* text) {
    return QCoreApplication::translate("ConstructionSettings", text);
}

using S = ConstructionSettings;

// The settings, in the order of the construction line. back is checked
// against the deck by the plan; here only that it is a length.
const ConstructionSettingRow rows[] = {
    {.key = "surface",
     .caption = QT_TRANSLATE_NOOP("ConstructionSettings", "Couches de surface (mm)"),
     .kind = SettingKind::List,
     .thickness = true,
     .defaultText = "9,9",
     .range = {3, 25},
     .maxCount = 4,
     .countNoun = QT_TRANSLATE_NOOP("ConstructionSettings", "couches"),
     .lengths = &S::surface},
    {.key = "panel",
     .caption = QT_TRANSLATE_NOOP("ConstructionSettings", "Épaisseur des flancs (mm)"),
     .kind = SettingKind::Length,
     .thickness = true,
     .defaultText = "18",
     .range = {9, 40},
     .length = &S::panel},
    {.key = "flat",
     .caption = QT_TRANSLATE_NOOP("ConstructionSettings", "Hauteur du cadre du plat (mm)"),
     .kind = SettingKind::Length,
     .defaultText = "89",
     .range = {30, 300}, // at least the rib depth too, checked with it
     // %1: the range's high end.
     .rangeNote = QT_TRANSLATE_NOOP("ConstructionSettings", "profondeur des tasseaux à %1"),
     .length = &S::flat},
    {.key = "back",
     .caption = QT_TRANSLATE_NOOP("ConstructionSettings", "Flancs sous la plate-forme %1 (mm)"),
     .kind = SettingKind::Sides,
     .defaultText = "-,-",
     .range = {0, 463400},
     .rangeNote = QT_TRANSLATE_NOOP(
         "ConstructionSettings", "- ou de min(150, plate-forme) à la longueur de la plate-forme"),
     .fieldHint = QT_TRANSLATE_NOOP("ConstructionSettings", "longueur de la plate-forme"),
     .usageNote = "(- for the deck's length)",
     .left = &S::backLeft,
     .right = &S::backRight},
    {.key = "spacing",
     .caption = QT_TRANSLATE_NOOP("ConstructionSettings", "Écart maximal entre flancs (mm)"),
     .kind = SettingKind::Length,
     .defaultText = "610",
     .range = {300, 1220},
     .length = &S::spacing},
    {.key = "rib",
     .caption = QT_TRANSLATE_NOOP("ConstructionSettings", "Section des tasseaux (mm)"),
     .kind = SettingKind::Pair,
     .thickness = true,
     .defaultText = "89x38",
     .range = {30, 150},
     .second = {30, 200},
     .length = &S::ribWidth,
     .secondLength = &S::ribDepth},
    {.key = "ribspacing",
     .caption = QT_TRANSLATE_NOOP("ConstructionSettings", "Écart maximal entre tasseaux (mm)"),
     .kind = SettingKind::Length,
     .defaultText = "200",
     .range = {100, 400},
     .length = &S::ribSpacing},
    {.key = "joistspacing",
     .caption = QT_TRANSLATE_NOOP("ConstructionSettings", "Écart maximal entre solives (mm)"),
     .kind = SettingKind::Length,
     .defaultText = "400",
     .range = {200, 610},
     .length = &S::joistSpacing},
    {.key = "coping",
     .caption = QT_TRANSLATE_NOOP("ConstructionSettings", "Diamètre du coping (mm, 0 : sans)"),
     .kind = SettingKind::Length,
     .thickness = true,
     .defaultText = "60.3",
     .range = {25, 120},
     .zero = true,
     .usageNote = "(0: none)",
     .length = &S::coping},
    {.key = "reveal",
     .caption = QT_TRANSLATE_NOOP("ConstructionSettings", "Dépassement du coping (mm)"),
     .kind = SettingKind::Length,
     .thickness = true,
     .defaultText = "6",
     .range = {0, 15},
     .length = &S::reveal},
    {.key = "sheet",
     .caption = QT_TRANSLATE_NOOP("ConstructionSettings", "Format des feuilles (mm)"),
     .kind = SettingKind::Pair,
     .defaultText = "1220x2440",
     .range = {600, 2000},
     .second = {1200, 4000},
     .ordered = true,
     .length = &S::sheetShort,
     .secondLength = &S::sheetLong},
    {.key = "kerf",
     .caption = QT_TRANSLATE_NOOP("ConstructionSettings", "Trait de scie (mm)"),
     .kind = SettingKind::Length,
     .thickness = true,
     .defaultText = "4",
     .range = {0, 12},
     .length = &S::kerf},
    {.key = "post",
     .caption = QT_TRANSLATE_NOOP("ConstructionSettings", "Section des pieds (mm)"),
     .kind = SettingKind::Pair,
     .thickness = true,
     .defaultText = "89x89",
     .range = {38, 200},
     .second = {38, 200},
     .usageNote = "(deck legs)",
     .length = &S::postWidth,
     .secondLength = &S::postDepth},
    // Lengths on sale, separated by ';' in the dialog: a French decimal comma
    // stays a decimal there.
    {.key = "stock",
     .caption = QT_TRANSLATE_NOOP("ConstructionSettings", "Longueurs de bois en vente (mm)"),
     .kind = SettingKind::List,
     .defaultText = "2400,3000,3600,4800",
     .range = {1000, 7200},
     .maxCount = 8,
     .countNoun = QT_TRANSLATE_NOOP("ConstructionSettings", "longueurs"),
     .listSeparator = u';',
     .usageNote = "(timber lengths)",
     .lengths = &S::stock},
};

const char* const presetKeys[] = {"surface", "panel", "rib", "post", "sheet", "stock", "coping"};

// Europe is the settings table's defaults; North America buys 4 x 8 ft sheets,
// 23/32" and 3/8" plywood, 2x4 ribs laid flat, 4x4 legs, 8 to 16 ft lumber
// and 2 3/8" coping.
const ConstructionPreset presets[] = {
    {.key = "eu", .name = QT_TRANSLATE_NOOP("ConstructionSettings", "Europe"), .values = {}},
    {.key = "na",
     .name = QT_TRANSLATE_NOOP("ConstructionSettings", "Amérique du Nord"),
     .values = {"9.5,9.5", "18.3", "88.9x38.1", "88.9x88.9", "1219.2x2438.4",
                "2438.4,3048,3657.6,4876.8", "60.3"}},
};
static_assert(std::size(presetKeys) == std::size(ConstructionPreset{}.values));

// The value of one row from its text; throws refuse() when refused.
template <class Refuse>
void setRow(ConstructionSettings& s, const ConstructionSettingRow& row, QStringView value,
            Refuse refuse) {
    switch (row.kind) {
    case SettingKind::Length: {
        const auto v = parseLength(value);
        if (!v || !(row.range.contains(*v) || (row.zero && *v == 0))) throw refuse();
        s.*row.length = *v;
        return;
    }
    case SettingKind::List: {
        const QList<QStringView> parts = value.split(u',');
        if (parts.size() > row.maxCount) throw refuse();
        std::vector<double> lengths;
        for (QStringView part : parts) {
            const auto v = parseIn(part, row.range);
            if (!v) throw refuse();
            lengths.push_back(*v);
        }
        s.*row.lengths = lengths;
        return;
    }
    case SettingKind::Pair: {
        const auto pair = parsePair(value, row.range, row.second);
        if (!pair || (row.ordered && pair->first > pair->second)) throw refuse();
        s.*row.length = pair->first;
        s.*row.secondLength = pair->second;
        return;
    }
    case SettingKind::Sides: {
        const QList<QStringView> parts = value.split(u',');
        if (parts.size() != 2) throw refuse();
        std::optional<double> sides[2];
        for (int i = 0; i < 2; ++i) {
            if (parts[i] == u"-") continue;
            sides[i] = parseIn(parts[i], row.range);
            if (!sides[i]) throw refuse();
        }
        s.*row.left = sides[0];
        s.*row.right = sides[1];
        return;
    }
    }
}

QString rowText(const ConstructionSettings& s, const ConstructionSettingRow& row) {
    switch (row.kind) {
    case SettingKind::Length:
        return formatLength(s.*row.length);
    case SettingKind::List: {
        QStringList lengths;
        for (double length : s.*row.lengths)
            lengths << formatLength(length);
        return lengths.join(u',');
    }
    case SettingKind::Pair:
        return formatLength(s.*row.length) + u'x' + formatLength(s.*row.secondLength);
    case SettingKind::Sides: {
        const auto side = [](const std::optional<double>& b) {
            return b ? formatLength(*b) : QStringLiteral("-");
        };
        return side(s.*row.left) + u',' + side(s.*row.right);
    }
    }
    return {};
}

} // namespace

ConstructionSettings::ConstructionSettings()
    : ConstructionSettings(defaultConstructionSettings()) {}

const ConstructionSettings& defaultConstructionSettings() {
    static const ConstructionSettings defaults = [] {
        ConstructionSettings s{ConstructionSettings::Unset{}};
        for (const ConstructionSettingRow& row : rows)
            setRow(s, row, QString::fromLatin1(row.defaultText), [&] {
                return QuarvelError(QCoreApplication::translate("ConstructionSettings",
                                                                "Réglage par défaut incorrect : %1")
                                        .arg(QLatin1String(row.key)));
            });
        return s;
    }();
    return defaults;
}

std::span<const ConstructionSettingRow> constructionSettingRows() {
    return rows;
}

const ConstructionSettingRow* constructionSettingRow(QStringView key) {
    for (const ConstructionSettingRow& row : rows)
        if (key == QLatin1String(row.key)) return &row;
    return nullptr;
}

double ConstructionSettings::surfaceThickness() const {
    double t = 0;
    for (double layer : surface)
        t += layer;
    return t;
}

ConstructionSettingError::ConstructionSettingError(const QString& key, const QString& value,
                                                   const QString& range)
    : QuarvelError(QCoreApplication::translate("ConstructionSettings",
                                               "Réglage de construction incorrect : %1=%2 (%3)")
                       .arg(key, value, range)) {}

const QStringList& constructionSettingKeys() {
    static const QStringList keys = [] {
        QStringList list;
        for (const ConstructionSettingRow& row : rows)
            list << QLatin1String(row.key);
        return list;
    }();
    return keys;
}

QString settingLengthText(double mm, bool thickness, LengthUnit unit) {
    return thickness ? thicknessText(mm, unit) : lengthText(mm, unit);
}

bool isThicknessSetting(QStringView key) {
    const ConstructionSettingRow* row = constructionSettingRow(key);
    return row && row->thickness;
}

QString constructionSettingRange(QStringView key, LengthUnit unit) {
    const ConstructionSettingRow* row = constructionSettingRow(key);
    if (!row) return QCoreApplication::translate("ConstructionSettings", "réglage inconnu");
    const bool thickness = row->thickness;
    const auto range = [&](SettingRange r) { return rangeText(r, thickness, unit); };
    if (row->rangeNote) {
        const QString note = translated(row->rangeNote);
        return note.contains(QStringLiteral("%1"))
                   ? note.arg(settingLengthText(row->range.high, thickness, unit))
                   : note;
    }
    switch (row->kind) {
    case SettingKind::List:
        return QCoreApplication::translate("ConstructionSettings", "1 à %1 %2, chacune de %3")
            .arg(row->maxCount)
            .arg(translated(row->countNoun), range(row->range));
    case SettingKind::Pair: {
        const QString both = QCoreApplication::translate("ConstructionSettings", "%1 x %2")
                                 .arg(range(row->range), range(row->second));
        return row->ordered
                   ? QCoreApplication::translate("ConstructionSettings", "%1, petit côté d'abord")
                         .arg(both)
                   : both;
    }
    default:
        return row->zero ? QCoreApplication::translate("ConstructionSettings", "0, ou %1")
                               .arg(range(row->range))
                         : range(row->range);
    }
}

QString constructionSettingCaption(const ConstructionSettingRow& row, int side, LengthUnit unit) {
    QString caption = translated(row.caption);
    if (row.kind == SettingKind::Sides) caption = caption.arg(sideName(side));
    // The captions name millimetres; in inches they name the unit shown.
    if (unit != LengthUnit::Millimetres)
        caption.replace(QStringLiteral("(mm"), u'(' + unitName(unit));
    return caption;
}

void setConstructionSetting(ConstructionSettings& settings, QStringView key, QStringView value) {
    const auto refuse = [&] {
        return ConstructionSettingError(key.toString(), value.toString(),
                                        constructionSettingRange(key));
    };
    const ConstructionSettingRow* row = constructionSettingRow(key);
    if (!row) throw refuse();
    ConstructionSettings s = settings;
    setRow(s, *row, value, refuse);
    settings = s;
}

QString constructionSettingText(const ConstructionSettings& s, QStringView key) {
    const ConstructionSettingRow* row = constructionSettingRow(key);
    return row ? rowText(s, *row) : QString();
}

void checkConstructionSettings(const ConstructionSettings& s, LengthUnit unit) {
    // The ribs stand in the flat's framing: it cannot be shallower than they are.
    const double highest = constructionSettingRow(u"flat")->range.high;
    if (s.flat < s.ribDepth || s.flat > highest)
        throw ConstructionSettingError(QStringLiteral("flat"),
                                       settingLengthText(s.flat, false, unit),
                                       rangeText({s.ribDepth, highest}, false, unit));
}

QByteArray formatConstructionLine(const ConstructionSettings& settings) {
    const ConstructionSettings& defaults = defaultConstructionSettings();
    QStringList words;
    for (const QString& key : constructionSettingKeys()) {
        const QString text = constructionSettingText(settings, key);
        if (text != constructionSettingText(defaults, key)) words << key + u'=' + text;
    }
    if (words.isEmpty()) return {};
    return "construction: " + words.join(u' ').toLatin1() + "\r\n";
}

ConstructionSettings parseConstructionLine(QByteArrayView line) {
    QByteArrayView rest = line;
    const QByteArrayView prefix("construction:");
    if (rest.startsWith(prefix)) rest = rest.sliced(prefix.size());
    ConstructionSettings settings;
    // Blanks as the design reader sees them: every code up to 32.
    qsizetype i = 0;
    while (i < rest.size()) {
        while (i < rest.size() && quint8(rest[i]) <= 32)
            ++i;
        const qsizetype start = i;
        while (i < rest.size() && quint8(rest[i]) > 32)
            ++i;
        if (start == i) break;
        const QString word = QString::fromLatin1(rest.sliced(start, i - start));
        const qsizetype eq = word.indexOf(u'=');
        const QStringView key = eq < 0 ? QStringView(word) : QStringView(word).left(eq);
        const QStringView value = eq < 0 ? QStringView() : QStringView(word).mid(eq + 1);
        if (eq < 0 || !constructionSettingKeys().contains(key))
            throw ConstructionSettingError(
                key.toString(), value.toString(),
                QCoreApplication::translate("ConstructionSettings", "réglage inconnu"));
        setConstructionSetting(settings, key, value);
    }
    checkConstructionSettings(settings);
    return settings;
}

std::span<const char* const> constructionPresetKeys() {
    return presetKeys;
}

std::span<const ConstructionPreset> constructionPresets() {
    return presets;
}

const ConstructionPreset* constructionPreset(QStringView key) {
    for (const ConstructionPreset& preset : presets)
        if (key == QLatin1String(preset.key)) return &preset;
    return nullptr;
}

QString constructionPresetName(const ConstructionPreset& preset) {
    return translated(preset.name);
}

void applyConstructionPreset(ConstructionSettings& settings, const ConstructionPreset& preset) {
    ConstructionSettings s = settings;
    for (std::size_t i = 0; i < std::size(presetKeys); ++i) {
        const QString key = QString::fromLatin1(presetKeys[i]);
        const char* value =
            preset.values[i] ? preset.values[i] : constructionSettingRow(key)->defaultText;
        setConstructionSetting(s, key, QString::fromLatin1(value));
    }
    settings = s;
}

QString formatLength(double mm) {
    return QString::fromLatin1(decimalText(mm, 1));
}

QString millimetresText(double mm) {
    return decimalsForPeople(formatLength(mm));
}
