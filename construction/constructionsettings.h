#pragma once

#include "lengthunits.h"
#include "quarvelerror.h"

#include <optional>
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <span>
#include <vector>

// How the ramp is built: lumber and plywood sizes, in millimetres (one decimal
// kept). Every setting is one row of the settings table below, which gives
// its key, caption, kind, default and range; a new setting is a new member
// and a new row. The defaults are a common North American build: two layers
// of 9 mm plywood on 18 mm side panels, 38 x 89 ribs laid flat, schedule 40
// coping.
struct ConstructionSettings {
    // Every setting at its default.
    ConstructionSettings();

    std::vector<double> surface;    // layer thicknesses, top to bottom
    double panel = 0;               // side-panel plywood
    double flat = 0;                // flat-bottom framing height
    std::optional<double> backLeft; // panel length behind the lip; none: the deck's length
    std::optional<double> backRight;
    double spacing = 0;  // largest centre distance between side panels
    double ribWidth = 0; // along the curve
    double ribDepth = 0; // into the panel
    double ribSpacing = 0;
    double joistSpacing = 0;
    double coping = 0; // pipe outside diameter; 0: no coping
    double reveal = 0;
    double sheetShort = 0;
    double sheetLong = 0;
    double kerf = 0;
    double postWidth = 0; // deck leg timber's section
    double postDepth = 0;
    std::vector<double> stock; // timber lengths on sale, any order

    // t: the surface layers together.
    double surfaceThickness() const;

    friend bool operator==(const ConstructionSettings&, const ConstructionSettings&) = default;

private:
    struct Unset {};
    explicit ConstructionSettings(Unset) {}
    friend const ConstructionSettings& defaultConstructionSettings();
};

// The shapes a setting's value takes.
enum class SettingKind {
    Length, // one length: "18"
    List,   // lengths separated by commas: "9,9"
    Pair,   // two lengths: "89x38" (x, X or ×)
    Sides,  // a length or '-' for each side: "-,600"
};

// A setting's lengths lie in [low, high].
struct SettingRange {
    double low = 0;
    double high = 0;
    bool contains(double value) const { return value >= low && value <= high; }
};

// One row of the settings table.
struct ConstructionSettingRow {
    const char* key = nullptr;     // as the construction line and the options name it
    const char* caption = nullptr; // French, the dialog's row ("%1": the side, for Sides)
    SettingKind kind = SettingKind::Length;
    bool thickness = false; // a thickness, diameter or section: read to 1/32 in, lengths to 1/16
    const char* defaultText = nullptr; // as the construction line writes it
    SettingRange range{};              // every length (the first of a pair)
    SettingRange second{};             // a pair's second length
    int maxCount = 1;                  // a list's most lengths
    const char* countNoun = nullptr;   // what a list counts, French: "couches"
    char16_t listSeparator = u'+';     // between a list's lengths in the dialog's field
    bool zero = false;                 // 0 allowed besides the range (none)
    bool ordered = false;              // a pair's first no larger than its second
    const char* rangeNote =
        nullptr; // French: the range as messages say it, where the numbers alone do not
    const char* fieldHint = nullptr; // French: what an empty field means
    const char* usageNote = nullptr; // English: said after the default in the batch tool's usage
    double ConstructionSettings::*length = nullptr;               // Length; a Pair's first
    double ConstructionSettings::*secondLength = nullptr;         // a Pair's second
    std::vector<double> ConstructionSettings::*lengths = nullptr; // List
    std::optional<double> ConstructionSettings::*left = nullptr;  // Sides
    std::optional<double> ConstructionSettings::*right = nullptr;
};

// The settings table, in the order of the construction line.
std::span<const ConstructionSettingRow> constructionSettingRows();

// The row of a key; none for an unknown key.
const ConstructionSettingRow* constructionSettingRow(QStringView key);

// The default settings, built from the table.
const ConstructionSettings& defaultConstructionSettings();

// A setting refused: "Réglage de construction incorrect : key=value (range)".
class ConstructionSettingError : public QuarvelError {
public:
    ConstructionSettingError(const QString& key, const QString& value, const QString& range);
    // A refusal with its own wording (a plan that cannot be built as set).
    explicit ConstructionSettingError(const QString& message)
        : QuarvelError(message) {}
};

// The keys in the table's order: surface panel flat back spacing rib
// ribspacing joistspacing coping reveal sheet kerf post stock.
const QStringList& constructionSettingKeys();

// The valid range of a key as the messages show it, e.g. "9 à 40"; in
// inches "11/32\" à 1 9/16\"".
QString constructionSettingRange(QStringView key, LengthUnit unit = LengthUnit::Millimetres);

// One of a key's lengths as people read it, point for decimals: "300",
// "11 13/16\""; a thickness or section to 1/32 in.
QString settingLengthText(double mm, bool thickness, LengthUnit unit);

// Whether a key's lengths are thicknesses or sections (shown in inches to
// 1/32 in) rather than lengths along the ramp (to 1/16 in).
bool isThicknessSetting(QStringView key);

// The caption of a key as the dialog and the book show it (of a side of
// back, for Sides), naming the unit the values are shown in.
QString constructionSettingCaption(const ConstructionSettingRow& row, int side = 0,
                                   LengthUnit unit = LengthUnit::Millimetres);

// Sets one key from its text ("9,9", "18", "-,600", "89x38", "1220x2440",
// "2400,3000").
// Throws ConstructionSettingError naming key=value and its range when the key
// is unknown or the value is out of range or not a number; settings is left
// unchanged then.
void setConstructionSetting(ConstructionSettings& settings, QStringView key, QStringView value);

// The text of a key's value, as the file line writes it.
QString constructionSettingText(const ConstructionSettings& settings, QStringView key);

// The checks that involve several keys (flat framing at least the rib depth).
// Throws ConstructionSettingError.
// Its refusal gives the values in the unit.
void checkConstructionSettings(const ConstructionSettings& settings,
                               LengthUnit unit = LengthUnit::Millimetres);

// "construction: key=value ..." with only the keys that differ from the
// defaults, then CR LF; empty when every setting is the default.
QByteArray formatConstructionLine(const ConstructionSettings& settings);

// Reads the words after "construction:" (the prefix included in line or not).
// Starts from the defaults. Throws ConstructionSettingError.
ConstructionSettings parseConstructionLine(QByteArrayView line);

// A preset: the sheets, plywood, timber and coping of a region. Every preset
// sets the same keys (constructionPresetKeys()); a null value is the key's
// default.
struct ConstructionPreset {
    const char* key = nullptr;  // as --preset names it: "eu", "na"
    const char* name = nullptr; // French, the dialog's choice
    const char* values[7] = {}; // in the order of constructionPresetKeys()
};

// The keys every preset sets: surface panel rib post sheet stock coping.
std::span<const char* const> constructionPresetKeys();

// Europe (the defaults), then North America.
std::span<const ConstructionPreset> constructionPresets();

// The preset of a key; none for an unknown key.
const ConstructionPreset* constructionPreset(QStringView key);

// The preset's name for people ("Europe", "Amérique du Nord"), translated.
QString constructionPresetName(const ConstructionPreset& preset);

// Sets the preset's keys; the others keep their values.
void applyConstructionPreset(ConstructionSettings& settings, const ConstructionPreset& preset);

// A length with at most one decimal and no trailing zeros, '.' as separator.
QString formatLength(double mm);

// The same for people to read, French decimal comma: "752,7", "89".
QString millimetresText(double mm);
