#include "constructionsettings.h"

#include <cmath>

namespace {

// One decimal place is kept: a builder measures to the millimetre, and the
// file line must read back to the same value.
double keptLength(double mm) {
    return std::round(mm * 10) / 10;
}

struct Range {
    double low;
    double high;
    bool contains(double value) const { return value >= low && value <= high; }
};

constexpr Range surfaceLayerRange{3, 25};
constexpr int maxSurfaceLayers = 4;
constexpr Range panelRange{9, 40};
constexpr Range flatRange{30, 300}; // the lower bound is the rib depth, checked with it
constexpr Range spacingRange{300, 1220};
constexpr Range ribWidthRange{30, 150};
constexpr Range ribDepthRange{30, 200};
constexpr Range ribSpacingRange{100, 400};
constexpr Range joistSpacingRange{200, 610};
constexpr Range copingRange{25, 120}; // or 0
constexpr Range revealRange{0, 15};
constexpr Range sheetShortRange{600, 2000};
constexpr Range sheetLongRange{1200, 4000};
constexpr Range kerfRange{0, 12};
// back is checked against the deck by the plan; here only that it is a length.
constexpr Range backRange{0, 463400};

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

std::optional<double> parseIn(QStringView text, Range range) {
    const std::optional<double> value = parseLength(text);
    if (!value || !range.contains(*value)) return std::nullopt;
    return value;
}

// "a x b" as two lengths (x or X, or the multiplication sign).
std::optional<std::pair<double, double>> parsePair(QStringView text, Range first, Range second) {
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

QString rangeText(Range r) {
    return QStringLiteral("%1 à %2").arg(formatLength(r.low), formatLength(r.high));
}

} // namespace

double ConstructionSettings::surfaceThickness() const {
    double t = 0;
    for (double layer : surface)
        t += layer;
    return t;
}

ConstructionSettingError::ConstructionSettingError(const QString& key, const QString& value,
                                                   const QString& range)
    : QuarvelError(
          QStringLiteral("Réglage de construction incorrect : %1=%2 (%3)").arg(key, value, range)) {
}

const QStringList& constructionSettingKeys() {
    static const QStringList keys{
        QStringLiteral("surface"),    QStringLiteral("panel"),        QStringLiteral("flat"),
        QStringLiteral("back"),       QStringLiteral("spacing"),      QStringLiteral("rib"),
        QStringLiteral("ribspacing"), QStringLiteral("joistspacing"), QStringLiteral("coping"),
        QStringLiteral("reveal"),     QStringLiteral("sheet"),        QStringLiteral("kerf")};
    return keys;
}

QString constructionSettingRange(QStringView key) {
    if (key == u"surface")
        return QStringLiteral("1 à %1 couches, chacune de %2")
            .arg(maxSurfaceLayers)
            .arg(rangeText(surfaceLayerRange));
    if (key == u"panel") return rangeText(panelRange);
    if (key == u"flat") return QStringLiteral("profondeur des tasseaux à 300");
    if (key == u"back")
        return QStringLiteral("- ou de min(150, plate-forme) à la longueur de la plate-forme");
    if (key == u"spacing") return rangeText(spacingRange);
    if (key == u"rib")
        return QStringLiteral("%1 x %2").arg(rangeText(ribWidthRange), rangeText(ribDepthRange));
    if (key == u"ribspacing") return rangeText(ribSpacingRange);
    if (key == u"joistspacing") return rangeText(joistSpacingRange);
    if (key == u"coping") return QStringLiteral("0, ou %1").arg(rangeText(copingRange));
    if (key == u"reveal") return rangeText(revealRange);
    if (key == u"sheet")
        return QStringLiteral("%1 x %2, petit côté d'abord")
            .arg(rangeText(sheetShortRange), rangeText(sheetLongRange));
    if (key == u"kerf") return rangeText(kerfRange);
    return QStringLiteral("réglage inconnu");
}

void setConstructionSetting(ConstructionSettings& settings, QStringView key, QStringView value) {
    const auto refuse = [&] {
        return ConstructionSettingError(key.toString(), value.toString(),
                                        constructionSettingRange(key));
    };
    ConstructionSettings s = settings;
    if (key == u"surface") {
        const QList<QStringView> parts = value.split(u',');
        if (parts.size() > maxSurfaceLayers) throw refuse();
        s.surface.clear();
        for (QStringView part : parts) {
            const auto layer = parseIn(part, surfaceLayerRange);
            if (!layer) throw refuse();
            s.surface.push_back(*layer);
        }
    } else if (key == u"panel" || key == u"flat" || key == u"spacing" || key == u"ribspacing" ||
               key == u"joistspacing" || key == u"reveal" || key == u"kerf") {
        struct Field {
            const char16_t* key;
            double ConstructionSettings::*member;
            Range range;
        };
        static const Field fields[] = {
            {u"panel", &ConstructionSettings::panel, panelRange},
            {u"flat", &ConstructionSettings::flat, flatRange},
            {u"spacing", &ConstructionSettings::spacing, spacingRange},
            {u"ribspacing", &ConstructionSettings::ribSpacing, ribSpacingRange},
            {u"joistspacing", &ConstructionSettings::joistSpacing, joistSpacingRange},
            {u"reveal", &ConstructionSettings::reveal, revealRange},
            {u"kerf", &ConstructionSettings::kerf, kerfRange},
        };
        for (const Field& f : fields) {
            if (key != QStringView(f.key)) continue;
            const auto v = parseIn(value, f.range);
            if (!v) throw refuse();
            s.*f.member = *v;
        }
    } else if (key == u"back") {
        const QList<QStringView> parts = value.split(u',');
        if (parts.size() != 2) throw refuse();
        std::optional<double> sides[2];
        for (int i = 0; i < 2; ++i) {
            if (parts[i] == u"-") continue;
            sides[i] = parseIn(parts[i], backRange);
            if (!sides[i]) throw refuse();
        }
        s.backLeft = sides[0];
        s.backRight = sides[1];
    } else if (key == u"rib") {
        const auto pair = parsePair(value, ribWidthRange, ribDepthRange);
        if (!pair) throw refuse();
        s.ribWidth = pair->first;
        s.ribDepth = pair->second;
    } else if (key == u"coping") {
        const auto v = parseLength(value);
        if (!v || !(*v == 0 || copingRange.contains(*v))) throw refuse();
        s.coping = *v;
    } else if (key == u"sheet") {
        const auto pair = parsePair(value, sheetShortRange, sheetLongRange);
        if (!pair || pair->first > pair->second) throw refuse();
        s.sheetShort = pair->first;
        s.sheetLong = pair->second;
    } else {
        throw refuse();
    }
    settings = s;
}

QString constructionSettingText(const ConstructionSettings& s, QStringView key) {
    if (key == u"surface") {
        QStringList layers;
        for (double layer : s.surface)
            layers << formatLength(layer);
        return layers.join(u',');
    }
    if (key == u"panel") return formatLength(s.panel);
    if (key == u"flat") return formatLength(s.flat);
    if (key == u"back") {
        const auto side = [](const std::optional<double>& b) {
            return b ? formatLength(*b) : QStringLiteral("-");
        };
        return side(s.backLeft) + u',' + side(s.backRight);
    }
    if (key == u"spacing") return formatLength(s.spacing);
    if (key == u"rib") return formatLength(s.ribWidth) + u'x' + formatLength(s.ribDepth);
    if (key == u"ribspacing") return formatLength(s.ribSpacing);
    if (key == u"joistspacing") return formatLength(s.joistSpacing);
    if (key == u"coping") return formatLength(s.coping);
    if (key == u"reveal") return formatLength(s.reveal);
    if (key == u"sheet") return formatLength(s.sheetShort) + u'x' + formatLength(s.sheetLong);
    if (key == u"kerf") return formatLength(s.kerf);
    return {};
}

void checkConstructionSettings(const ConstructionSettings& s) {
    // The ribs stand in the flat's framing: it cannot be shallower than they are.
    if (s.flat < s.ribDepth || s.flat > flatRange.high)
        throw ConstructionSettingError(
            QStringLiteral("flat"), formatLength(s.flat),
            QStringLiteral("%1 à %2").arg(formatLength(s.ribDepth), formatLength(flatRange.high)));
}

QByteArray formatConstructionLine(const ConstructionSettings& settings) {
    static const ConstructionSettings defaults;
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
            throw ConstructionSettingError(key.toString(), value.toString(),
                                           QStringLiteral("réglage inconnu"));
        setConstructionSetting(settings, key, value);
    }
    checkConstructionSettings(settings);
    return settings;
}

QString formatLength(double mm) {
    QString text = QString::number(keptLength(mm), 'f', 1);
    if (text.endsWith(QLatin1String(".0"))) text.chop(2);
    if (text == u"-0") text = QStringLiteral("0");
    return text;
}

QString millimetresText(double mm) {
    return formatLength(mm).replace(u'.', u',');
}
