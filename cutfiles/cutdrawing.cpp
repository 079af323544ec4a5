#include "cutdrawing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

QRectF CutDrawing::extent() const {
    QRectF r;
    for (const auto* outlines : {&cut, &sheets})
        for (const Outline& o : *outlines)
            r |= boundingBox(o);
    for (const DrawingLine& line : marks)
        r |= QRectF(line.from, line.to).normalized();
    for (const DrawingText& text : texts)
        r |= QRectF(text.at, QPointF(text.at.x() + 0.6 * text.height * text.text.size(),
                                     text.at.y() + text.height));
    return r;
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
    // The powers std::pow gives exactly, without its cost.
    static constexpr double powersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (decimals < 0 || decimals > 15) {
        out += roundedText(value, decimals).toStdString();
        return;
    }
    const double units = std::round(value * powersOfTen[decimals]);
    if (!(std::abs(units) < 0x1p52)) {
        out += roundedText(value, decimals).toStdString();
        return;
    }
    std::uint64_t k = std::uint64_t(std::abs(units));
    if (k == 0) {
        out += '0';
        return;
    }
    int places = decimals;
    while (places > 0 && k % 10 == 0) {
        k /= 10;
        --places;
    }
    // Written backwards from the last place, with at least one digit before
    // the point.
    char text[32];
    char* p = text + sizeof text;
    for (int n = 0; k != 0 || n <= places; ++n, k /= 10) {
        if (n == places && places > 0) *--p = '.';
        *--p = char('0' + k % 10);
    }
    if (units < 0) *--p = '-';
    out.append(p, text + sizeof text);
}
