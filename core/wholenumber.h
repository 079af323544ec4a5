#pragma once

#include <optional>
#include <QStringView>
#include <QtGlobal>

// Text to a 32-bit signed whole number, the one conversion shared by the spin
// fields and the design-file reader: leading blanks (code 32 only), then either
// one optional sign and decimal digits within -2147483648..2147483647, or a
// hexadecimal form introduced by "$", "x", "X", "0x" or "0X" (no sign; the
// 32-bit pattern is two's complement, so FFFFFFFF is -1). Nothing may follow.
// Empty when the text is not such a number.
std::optional<qint32> textToInt32(QStringView text);
