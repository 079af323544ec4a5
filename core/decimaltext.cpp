#include "decimaltext.h"

#include "language.h"

#include <cmath>

QByteArray decimalText(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0) rounded = 0; // no "-0"
    QByteArray text = QByteArray::number(rounded, 'f', decimals);
    if (text.contains('.')) {
        while (text.endsWith('0'))
            text.chop(1);
        if (text.endsWith('.')) text.chop(1);
    }
    return text;
}

QString withDecimalCommas(QString text) {
    for (qsizetype i = 1; i + 1 < text.size(); ++i)
        if (text[i] == u'.' && text[i - 1].isDigit() && text[i + 1].isDigit()) text[i] = u',';
    return text;
}

QString decimalsForPeople(QString text) {
    if (currentLanguage() == Language::English) return text;
    return withDecimalCommas(std::move(text));
}
