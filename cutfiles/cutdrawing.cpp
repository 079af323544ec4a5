#include "cutdrawing.h"

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
