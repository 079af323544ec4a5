#include "cutdrawing.h"

#include <algorithm>
#include <cmath>

namespace {

void include(Rect& r, Point p, bool& first) {
    if (first) {
        r = {p.u, p.v, p.u, p.v};
        first = false;
        return;
    }
    r.left = std::min(r.left, p.u);
    r.right = std::max(r.right, p.u);
    r.bottom = std::min(r.bottom, p.v);
    r.top = std::max(r.top, p.v);
}

} // namespace

Rect CutDrawing::extent() const {
    Rect r;
    bool first = true;
    for (const auto* outlines : {&cut, &sheets}) {
        for (const Outline& o : *outlines) {
            const Rect box = boundingBox(o);
            include(r, {box.left, box.bottom}, first);
            include(r, {box.right, box.top}, first);
        }
    }
    for (const DrawingLine& line : marks) {
        include(r, line.from, first);
        include(r, line.to, first);
    }
    for (const DrawingText& text : texts) {
        include(r, text.at, first);
        include(r, {text.at.u + 0.6 * text.height * text.text.size(), text.at.v + text.height},
                first);
    }
    return r;
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
