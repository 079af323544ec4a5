#include "cutdrawing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

Rect CutDrawing::extent() const {
    std::optional<Rect> r;
    for (const auto* outlines : {&cut, &sheets}) {
        for (const Outline& o : *outlines) {
            const Rect box = boundingBox(o);
            extendBox(r, {box.left, box.bottom});
            extendBox(r, {box.right, box.top});
        }
    }
    for (const DrawingLine& line : marks) {
        extendBox(r, line.from);
        extendBox(r, line.to);
    }
    for (const DrawingText& text : texts) {
        extendBox(r, text.at);
        extendBox(r, {text.at.u + 0.6 * text.height * text.text.size(), text.at.v + text.height});
    }
    return r.value_or(Rect{});
}

namespace {

// The general route, through Qt's exact formatting of the rounded double.
QByteArray roundedText(double value, int decimals) {
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

} // namespace

QByteArray decimalText(double value, int decimals) {
    std::string text;
    appendDecimalText(text, value, decimals);
    return QByteArray(text.data(), qsizetype(text.size()));
}

// A cut file holds thousands of numbers: they are written from the whole
// number of units of the last place, which gives the same digits as printing
// the rounded double whenever that number is below 2^52 (the double nearest
// to k / 10^d is then less than half a unit of the last place from it).
void appendDecimalText(std::string& out, double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double units = std::round(value * scale);
    if (!(std::abs(units) < 0x1p52) || decimals < 0 || decimals > 15) {
        out += roundedText(value, decimals).toStdString();
        return;
    }
    std::uint64_t k = std::uint64_t(std::abs(units));
    if (k == 0) {
        out += '0';
        return;
    }
    if (units < 0) out += '-';
    int places = decimals;
    while (places > 0 && k % 10 == 0) {
        k /= 10;
        --places;
    }
    char digits[24];
    int n = 0;
    for (; k != 0 || n <= places; k /= 10)
        digits[n++] = char('0' + k % 10);
    // digits holds the number backwards, with at least one digit before the
    // point.
    for (int i = n - 1; i >= 0; --i) {
        if (i == places - 1) out += '.';
        out += digits[i];
    }
}
