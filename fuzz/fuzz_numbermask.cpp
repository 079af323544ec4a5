// The mask formatter on any mask and any value, with either pair of
// separators. Looks for crashes, undefined behaviour and hangs; the result
// must also be the same on a second call (no hidden state).
#include "fuzzinput.h"
#include "numbermask.h"

#include <cmath>
#include <QString>

namespace {

long double valueFrom(FuzzInput& input) {
    const uint8_t kind = input.take<uint8_t>();
    switch (kind % 3) {
    case 0:
        return input.take<double>(); // every double, NaN and infinities too
    case 1: {
        // Extended precision over its whole exponent range.
        const int64_t mantissa = input.take<int64_t>();
        const int16_t exponent = input.take<int16_t>();
        return std::ldexp(static_cast<long double>(mantissa), exponent % 16500);
    }
    default:
        // Small whole and decimal numbers, where most rounding decisions sit.
        return static_cast<long double>(input.take<int32_t>()) / 1000.0L;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const uint8_t settingsChoice = input.take<uint8_t>();
    const long double value = valueFrom(input);
    const QString mask = QString::fromUtf8(input.rest(), qsizetype(input.restSize()));

    NumberFormatSettings settings;
    if (settingsChoice & 1) {
        settings.decimalSeparator = QLatin1Char(',');
        settings.thousandsSeparator = QChar(0x202F);
    }
    if (settingsChoice & 2) settings.currencySymbol = QStringLiteral("€");

    const QString first = formatNumberMask(value, mask, settings);
    FUZZ_CHECK(formatNumberMask(value, mask, settings) == first);
    const QString general = formatGeneralNumber(value, settings);
    FUZZ_CHECK(!general.isEmpty());
    return 0;
}
