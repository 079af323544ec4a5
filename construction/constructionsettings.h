#pragma once

#include "quarvelerror.h"

#include <optional>
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

// How the ramp is built: lumber and plywood sizes, in millimetres (one decimal
// kept). The defaults are a common North American build: two layers of 9 mm
// plywood on 18 mm side panels, 38 x 89 ribs laid flat, schedule 40 coping.
struct ConstructionSettings {
    std::vector<double> surface{9, 9}; // layer thicknesses, top to bottom
    double panel = 18;                 // side-panel plywood
    double flat = 89;                  // flat-bottom framing height
    std::optional<double> backLeft;    // panel length behind the lip; none: the deck's length
    std::optional<double> backRight;
    double spacing = 610; // largest centre distance between side panels
    double ribWidth = 89; // along the curve
    double ribDepth = 38; // into the panel
    double ribSpacing = 200;
    double joistSpacing = 400;
    double coping = 60.3; // pipe outside diameter; 0: no coping
    double reveal = 6;
    double sheetShort = 1220;
    double sheetLong = 2440;
    double kerf = 4;

    // t: the surface layers together.
    double surfaceThickness() const;

    friend bool operator==(const ConstructionSettings&, const ConstructionSettings&) = default;
};

// A setting refused: "Réglage de construction incorrect : key=value (range)".
class ConstructionSettingError : public QuarvelError {
public:
    ConstructionSettingError(const QString& key, const QString& value, const QString& range);
    // A refusal with its own wording (a plan that cannot be built as set).
    explicit ConstructionSettingError(const QString& message)
        : QuarvelError(message) {}
};

// The keys in their order in the file line: surface panel flat back spacing
// rib ribspacing joistspacing coping reveal sheet kerf.
const QStringList& constructionSettingKeys();

// The valid range of a key as the messages show it, e.g. "9 à 40".
QString constructionSettingRange(QStringView key);

// Sets one key from its text ("9,9", "18", "-,600", "89x38", "1220x2440").
// Throws ConstructionSettingError naming key=value and its range when the key
// is unknown or the value is out of range or not a number; settings is left
// unchanged then.
void setConstructionSetting(ConstructionSettings& settings, QStringView key, QStringView value);

// The text of a key's value, as the file line writes it.
QString constructionSettingText(const ConstructionSettings& settings, QStringView key);

// The checks that involve several keys (flat framing at least the rib depth).
// Throws ConstructionSettingError.
void checkConstructionSettings(const ConstructionSettings& settings);

// "construction: key=value ..." with only the keys that differ from the
// defaults, then CR LF; empty when every setting is the default.
QByteArray formatConstructionLine(const ConstructionSettings& settings);

// Reads the words after "construction:" (the prefix included in line or not).
// Starts from the defaults. Throws ConstructionSettingError.
ConstructionSettings parseConstructionLine(QByteArrayView line);

// A length with at most one decimal and no trailing zeros, '.' as separator.
QString formatLength(double mm);

// The same for people to read, French decimal comma: "752,7", "89".
QString millimetresText(double mm);
