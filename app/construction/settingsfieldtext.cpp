#include "settingsfieldtext.h"

#include <optional>

namespace {
// Digits with at most one decimal separator, as '.' decimals; nothing for
// anything else.
std::optional<QString> decimalKeyText(QStringView field, const QLocale& locale) {
    const QStringView text = field.trimmed();
    const QString separator = locale.decimalPoint();
    QString key;
    int separators = 0;
    int digits = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.mid(i).startsWith(separator)) {
            ++separators;
            key += u'.';
            i += separator.size() - 1;
        } else if (text[i] >= u'0' && text[i] <= u'9') {
            ++digits;
            key += text[i];
        } else {
            return std::nullopt;
        }
    }
    if (separators > 1 || digits == 0) return std::nullopt;
    return key;
}

SettingKind kindOf(QStringView key) {
    const ConstructionSettingRow* row = constructionSettingRow(key);
    return row ? row->kind : SettingKind::Length;
}

// Between a list's lengths in its field: "9 + 9", "2400 ; 3000".
QChar listSeparator(QStringView key) {
    const ConstructionSettingRow* row = constructionSettingRow(key);
    return row ? QChar(row->listSeparator) : QChar(u'+');
}
// A length in inches typed back as the key's millimetres, one decimal.
std::optional<QString> inchKeyText(QStringView field) {
    const std::optional<double> mm = lengthFromText(field.toString(), LengthUnit::Inches);
    if (!mm) return std::nullopt;
    return formatLength(*mm);
}
} // namespace

QString lengthFieldText(double mm, const QLocale& locale) {
    QString text = formatLength(mm);
    text.replace(u'.', locale.decimalPoint());
    return text;
}

QStringList settingFieldTexts(const ConstructionSettings& settings, QStringView key,
                              const QLocale& locale) {
    const QString keyText = constructionSettingText(settings, key);
    QStringList fields;
    switch (kindOf(key)) {
    case SettingKind::List: {
        QStringList lengths;
        for (QStringView length : QStringView(keyText).split(u','))
            lengths << lengthFieldText(length.toDouble(), locale);
        fields << lengths.join(QStringLiteral(" %1 ").arg(listSeparator(key)));
        break;
    }
    case SettingKind::Sides:
        for (QStringView side : QStringView(keyText).split(u','))
            fields << (side == u"-" ? QString() : lengthFieldText(side.toDouble(), locale));
        break;
    case SettingKind::Pair:
        for (QStringView part : QStringView(keyText).split(u'x'))
            fields << lengthFieldText(part.toDouble(), locale);
        break;
    case SettingKind::Length:
        fields << lengthFieldText(keyText.toDouble(), locale);
        break;
    }
    return fields;
}

ConstructionSettingError settingRefusal(QStringView key, const QStringList& fields,
                                        LengthUnit unit) {
    return ConstructionSettingError(key.toString(),
                                    fields.join(kindOf(key) == SettingKind::Pair ? u'x' : u','),
                                    constructionSettingRange(key, unit));
}

QString settingKeyText(QStringView key, const QStringList& fields, const QLocale& locale) {
    const SettingKind kind = kindOf(key);
    const auto refuse = [&] { return settingRefusal(key, fields, LengthUnit::Millimetres); };
    const auto number = [&](QStringView field) {
        const std::optional<QString> text = decimalKeyText(field, locale);
        if (!text) throw refuse();
        return *text;
    };
    switch (kind) {
    case SettingKind::List: {
        if (fields.size() != 1) throw refuse();
        QStringList lengths;
        for (QStringView length : QStringView(fields.front()).split(listSeparator(key)))
            lengths << number(length);
        return lengths.join(u',');
    }
    case SettingKind::Sides: {
        if (fields.size() != 2) throw refuse();
        QStringList sides;
        for (const QString& side : fields)
            sides << (side.trimmed().isEmpty() ? QStringLiteral("-") : number(side));
        return sides.join(u',');
    }
    case SettingKind::Pair:
        if (fields.size() != 2) throw refuse();
        return number(fields[0]) + u'x' + number(fields[1]);
    case SettingKind::Length:
        break;
    }
    if (fields.size() != 1) throw refuse();
    return number(fields.front());
}

QStringList settingFieldTexts(const ConstructionSettings& settings, QStringView key,
                              const QLocale& locale, LengthUnit unit) {
    if (unit == LengthUnit::Millimetres) return settingFieldTexts(settings, key, locale);
    QStringList fields = settingFieldTexts(settings, key, QLocale::c());
    const bool thickness = isThicknessSetting(key);
    const QString separator = QStringLiteral(" %1 ").arg(listSeparator(key));
    for (QString& field : fields) {
        QStringList lengths;
        for (QStringView length : QStringView(field).split(separator)) {
            const double mm = length.toDouble();
            lengths << settingLengthText(mm, thickness, unit);
        }
        field = field.isEmpty() ? QString() : lengths.join(separator);
    }
    return fields;
}

QString settingKeyText(QStringView key, const QStringList& fields, const QLocale& locale,
                       LengthUnit unit) {
    if (unit == LengthUnit::Millimetres) return settingKeyText(key, fields, locale);
    QStringList millimetres;
    for (const QString& field : fields) {
        QStringList lengths;
        for (QStringView length : QStringView(field).split(listSeparator(key))) {
            if (length.trimmed().isEmpty()) {
                lengths << QString(); // a side's deck length, refused elsewhere
                continue;
            }
            const std::optional<QString> text = inchKeyText(length);
            // Letters or a stray sign: left for the millimetre reading to refuse.
            lengths << (text ? *text : QStringLiteral("x"));
        }
        millimetres << lengths.join(listSeparator(key));
    }
    try {
        return settingKeyText(key, millimetres, QLocale::c());
    } catch (const ConstructionSettingError&) {
        throw settingRefusal(key, fields, unit);
    }
}
