#include "jsontext.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <QString>

QByteArray jsonNumber(double value) {
    if (!std::isfinite(value)) return QByteArrayLiteral("null");
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QByteArray(buffer, result.ptr - buffer);
}

QByteArray jsonNumber(long double value) {
    // 2^63 is exact in long double; below it every whole value converts exactly.
    constexpr long double limit = 9223372036854775808.0L;
    if (std::isfinite(value) && value == std::trunc(value) && value >= -limit && value < limit)
        return jsonNumber(static_cast<qint64>(value));
    return jsonNumber(static_cast<double>(value));
}

QByteArray jsonNumber(qint64 value) {
    return QByteArray::number(value);
}

QByteArray jsonString(QStringView text) {
    const QByteArray utf8 = text.toUtf8();
    QByteArray out;
    out.reserve(utf8.size() + 2);
    out.append('"');
    for (const char c : utf8) {
        switch (c) {
        case '"':
            out.append("\\\"");
            break;
        case '\\':
            out.append("\\\\");
            break;
        case '\n':
            out.append("\\n");
            break;
        case '\r':
            out.append("\\r");
            break;
        case '\t':
            out.append("\\t");
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned(c));
                out.append(escaped);
            } else {
                out.append(c);
            }
        }
    }
    out.append('"');
    return out;
}

QByteArray jsonString(QLatin1String text) {
    return jsonString(QString(text));
}
