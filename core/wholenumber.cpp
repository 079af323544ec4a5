#include "wholenumber.h"

namespace {

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    return -1;
}

std::optional<qint32> hexToInt32(QStringView digits) {
    if (digits.isEmpty()) return std::nullopt;
    quint32 value = 0;
    for (QChar c : digits) {
        const int d = hexDigit(c);
        if (d < 0 || value > 0xFFFFFFFu) return std::nullopt;
        value = value * 16 + quint32(d);
    }
    return qint32(value); // two's complement pattern
}

std::optional<qint32> decimalToInt32(QStringView digits, bool negative) {
    if (digits.isEmpty()) return std::nullopt;
    quint32 value = 0;
    for (QChar c : digits) {
        const char16_t u = c.unicode();
        if (u < u'0' || u > u'9' || value > 214748364u) return std::nullopt;
        value = value * 10 + quint32(u - u'0');
    }
    if (negative) {
        if (value > 2147483648u) return std::nullopt;
        return qint32(-qint64(value));
    }
    if (value > 2147483647u) return std::nullopt;
    return qint32(value);
}

} // namespace

std::optional<qint32> textToInt32(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    const QStringView rest = text.mid(i);
    if (rest.startsWith(u'$') || rest.startsWith(u'x') || rest.startsWith(u'X'))
        return hexToInt32(rest.mid(1));
    if (rest.startsWith(u"0x") || rest.startsWith(u"0X")) return hexToInt32(rest.mid(2));
    if (rest.startsWith(u'+')) return decimalToInt32(rest.mid(1), false);
    if (rest.startsWith(u'-')) return decimalToInt32(rest.mid(1), true);
    return decimalToInt32(rest, false);
}
