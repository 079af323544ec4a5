#include "tcustomnumlabel.h"

#include <cmath>

TCustomNumLabel::TCustomNumLabel(QWidget* owner)
    : TCustomNumLabel(owner, NumberFormatSettings::system()) {}

TCustomNumLabel::TCustomNumLabel(QWidget* owner, const NumberFormatSettings& settings)
    : TCustomStrEdit(owner)
    , m_settings(settings) {
    init();
}

TCustomNumLabel::~TCustomNumLabel() = default;

void TCustomNumLabel::init() {
    resize(85, autoSizedHeight());
    SetColor(clBtnFace);
    setEnabled(false);
    SetAlignment(taRightJustify);
    m_mask = QLatin1Char('0') + m_settings.decimalSeparator + QLatin1String("00");
    m_decimalIndex = 1;
    m_decimals = 2;
    m_numericType = ntGeneral;
    SetAutoSelect(true);
    m_value = 0;
    UpdateText();
    ComputeTextMargin();
    m_useRounding = true;
}

void TCustomNumLabel::setFormatSettings(const NumberFormatSettings& settings) {
    m_settings = settings;
    UpdateText();
}

void TCustomNumLabel::SetValue(long double value) {
    if (value == m_value) return;
    m_value = value;
    UpdateText();
}

void TCustomNumLabel::SetMask(const QString& mask) {
    QString m = mask.left(maxMaskLength);
    if (m == m_mask) return;
    const qsizetype e = m.indexOf(QLatin1Char('e'));
    if (e >= 0) m[e] = QLatin1Char('E');
    qsizetype point = m.indexOf(QLatin1Char('.'));
    if (point >= 0) {
        m[point] = m_settings.decimalSeparator;
    } else {
        point = m.indexOf(m_settings.decimalSeparator);
    }
    storeMask(m, point);
}

void TCustomNumLabel::storeMask(const QString& mask, qsizetype decimalIndex) {
    m_mask = mask;
    m_decimalIndex = decimalIndex;
    RecountDecimals();
    update();
}

void TCustomNumLabel::RecountDecimals() {
    if (m_decimalIndex < 0) {
        m_decimals = 0;
    } else {
        const qsizetype exponent = m_mask.indexOf(QLatin1Char('E'), m_decimalIndex + 1);
        const qsizetype end = exponent >= 0 ? exponent : m_mask.size();
        m_decimals = quint16(end - m_decimalIndex - 1);
    }
    UpdateText();
}

void TCustomNumLabel::SetDecimals(quint16 decimals) {
    if (decimals == m_decimals) return;
    // Beyond 20 the request is refused; at most 18 zeros are ever written.
    if (decimals > 20) return;
    m_decimals = decimals;
    if (m_decimalIndex >= 0) {
        QString rebuilt = m_mask.left(m_decimalIndex + 1);
        rebuilt += QString(qMin<int>(decimals, 18), QLatin1Char('0'));
        const qsizetype exponent = m_mask.indexOf(QLatin1Char('E'), m_decimalIndex + 1);
        if (exponent >= 0) rebuilt += m_mask.sliced(exponent);
        rebuilt.truncate(maxMaskLength);
        // Decimals always follows the rebuilt mask, so a request above 18
        // reads back as 18.
        if (rebuilt != m_mask) {
            storeMask(rebuilt, m_decimalIndex);
        } else {
            RecountDecimals();
        }
    }
    UpdateText();
}

void TCustomNumLabel::SetNumericType(TNumericType type) {
    if (type == m_numericType) return;
    m_numericType = type;
    UpdateText();
}

void TCustomNumLabel::UpdateText() {
    const long double x = m_numericType == ntPercentage ? m_value * 100 : m_value;
    QString mask = m_mask;
    if (m_decimalIndex >= 0) mask[m_decimalIndex] = QLatin1Char('.');
    QString s = formatNumberMask(x, mask, m_settings);
    if (m_numericType == ntCurrency) {
        s += m_settings.currencySymbol;
    } else if (m_numericType == ntPercentage) {
        s += QLatin1Char('%');
    }
    if (s != text()) setText(s);
}

QString TCustomNumLabel::FilterNumberText(QStringView text, QStringView allowed) {
    if (text.isEmpty()) return QString();
    const bool minus = text.startsWith(u'-') || text.endsWith(u'-');
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (allowed.contains(c)) {
            out += c;
        } else if ((c == u'+' || c == u'-') && out.contains(u'E')) {
            out += c;
        } else if (c == u'E' && i > 0) {
            out += c;
        }
    }
    if (minus) out.prepend(QLatin1Char('-'));
    return out;
}

QString TCustomNumLabel::withSign(QString plain) const {
    // A negative value gets its sign once, even when the filter kept one.
    if (m_value < 0 && !plain.startsWith(QLatin1Char('-'))) plain.prepend(QLatin1Char('-'));
    return plain;
}

QString TCustomNumLabel::GetPlainText() const {
    return withSign(FilterNumberText(text(), u"0123456789,."));
}

void TCustomNumLabel::UnformatText() {
    QString allowed = QStringLiteral("0123456789");
    allowed += m_settings.decimalSeparator;
    if (!m_settings.thousandsSeparator.isNull()) allowed += m_settings.thousandsSeparator;
    const QString plain = withSign(FilterNumberText(text(), allowed));
    if (plain != text()) setText(plain);
}

namespace {
long double toWhole(long double v, bool round) {
    // std::rint rounds to nearest with ties to even in the default mode.
    return round ? std::rint(v) : std::trunc(v);
}
} // namespace

qint16 TCustomNumLabel::GetAsSmallInt() const {
    if (!(m_value > -32768.0L && m_value < 32767.0L)) return 0;
    return qint16(toWhole(m_value, m_useRounding));
}

qint32 TCustomNumLabel::GetAsInteger() const {
    if (!(m_value > -2147483647.0L && m_value < 2147483647.0L)) return 0;
    return qint32(toWhole(m_value, m_useRounding));
}

double TCustomNumLabel::GetAsFloat() const {
    if (!(m_value > -1.7E38L && m_value < 1.7E38L)) return 0.0;
    return double(m_value);
}

double TCustomNumLabel::GetRoundedFloat() const {
    if (!(m_value > -1.7E308L && m_value < 1.7E308L)) return 0.0;
    return double(std::rint(m_value));
}
