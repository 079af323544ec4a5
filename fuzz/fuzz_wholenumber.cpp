// textToInt32 against a second, deliberately plain reading of its rule:
// strip the leading blanks, recognise the prefix, check every digit, drop the
// leading zeros, then compare the digit count and the value with the limits
// in 64-bit arithmetic. Any disagreement aborts.
#include "fuzzinput.h"
#include "wholenumber.h"

#include <optional>
#include <QString>
#include <string>

namespace {

int digitValue(char16_t c, int base) {
    int v = -1;
    if (c >= u'0' && c <= u'9')
        v = c - u'0';
    else if (c >= u'a' && c <= u'f')
        v = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        v = c - u'A' + 10;
    return v < base ? v : -1;
}

std::optional<qint32> expectedValue(std::u16string s) {
    s.erase(0, s.find_first_not_of(u' ') == std::u16string::npos ? s.size()
                                                                 : s.find_first_not_of(u' '));
    int base = 10;
    bool negative = false;
    if (!s.empty() && (s[0] == u'$' || s[0] == u'x' || s[0] == u'X')) {
        base = 16;
        s.erase(0, 1);
    } else if (s.size() >= 2 && s[0] == u'0' && (s[1] == u'x' || s[1] == u'X')) {
        base = 16;
        s.erase(0, 2);
    } else if (!s.empty() && (s[0] == u'+' || s[0] == u'-')) {
        negative = s[0] == u'-';
        s.erase(0, 1);
    }
    if (s.empty()) return std::nullopt;
    for (char16_t c : s)
        if (digitValue(c, base) < 0) return std::nullopt;
    while (!s.empty() && s[0] == u'0')
        s.erase(0, 1);
    // Eight hexadecimal digits fill 32 bits; ten decimal digits may still fit.
    if (s.size() > (base == 16 ? 8u : 10u)) return std::nullopt;
    qint64 value = 0;
    for (char16_t c : s)
        value = value * base + digitValue(c, base);
    if (base == 16) return qint32(quint32(value)); // the bit pattern
    if (negative) value = -value;
    if (value < -2147483648LL || value > 2147483647LL) return std::nullopt;
    return qint32(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const uint8_t mode = input.take<uint8_t>();
    QString text;
    if (mode & 1) {
        // Raw UTF-16 code units: full-width digits, surrogates, anything.
        text =
            QString(reinterpret_cast<const QChar*>(input.rest()), qsizetype(input.restSize() / 2));
    } else {
        text = QString::fromLatin1(input.rest(), qsizetype(input.restSize()));
    }
    const std::optional<qint32> got = textToInt32(text);
    const std::optional<qint32> expected = expectedValue(
        std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size())));
    FUZZ_CHECK(got.has_value() == expected.has_value());
    if (got) FUZZ_CHECK(*got == *expected);
    return 0;
}
