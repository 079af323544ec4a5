#include "cutdrawing.h"

#include <algorithm>
#include <cmath>

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
