#include "svgwriter.h"

#include "decimaltext.h"

#include <cmath>
#include <numbers>

namespace {

// Page coordinates: the drawing's extent plus the margin, y turned down.
struct Page {
    double left = 0;
    double top = 0;
    QByteArray x(double u) const { return decimalText(u - left, 4); }
    QByteArray y(double v) const { return decimalText(top - v, 4); }
    QByteArray point(QPointF p) const { return x(p.x()) + ' ' + y(p.y()); }
};

QByteArray pathData(const Outline& outline, const Page& page) {
    QByteArray d;
    if (outline.empty()) return d;
    d += "M " + page.point(outline.front().from);
    for (const Segment& s : outline) {
        if (s.kind == Segment::Kind::Line) {
            d += " L " + page.point(s.to);
            continue;
        }
        // The page shows the part as it is, only with y down: an arc clockwise
        // in the plane (negative sweep) is clockwise on the page too, which is
        // SVG's positive-angle direction, sweep-flag 1.
        const QByteArray r = decimalText(s.radius, 4);
        const char* large = std::abs(s.sweep) > std::numbers::pi ? "1" : "0";
        const char* sweep = s.sweep < 0 ? "1" : "0";
        d += " A " + r + ' ' + r + " 0 " + large + ' ' + sweep + ' ' + page.point(s.to);
    }
    d += " Z";
    return d;
}

void outlineGroup(QByteArray& svg, const char* id, const char* colour,
                  const std::vector<Outline>& outlines, const Page& page) {
    svg += QByteArray("<g id=\"") + id + "\" fill=\"none\" stroke=\"" + colour +
           "\" stroke-width=\"0.2\">\n";
    for (const Outline& outline : outlines)
        svg += "<path d=\"" + pathData(outline, page) + "\"/>\n";
    svg += "</g>\n";
}

} // namespace

QByteArray svgBytes(const CutDrawing& drawing) {
    const QRectF extent = drawing.extent();
    const Page page{extent.left() - svgMargin, highestV(extent) + svgMargin};
    const QByteArray width = decimalText(extent.width() + 2 * svgMargin, 4);
    const QByteArray height = decimalText(extent.height() + 2 * svgMargin, 4);

    QByteArray svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + width +
           "mm\" height=\"" + height + "mm\" viewBox=\"0 0 " + width + ' ' + height + "\">\n";
    outlineGroup(svg, "SHEET", "#0000ff", drawing.sheets, page);
    outlineGroup(svg, "CUT", "#ff0000", drawing.cut, page);

    svg += "<g id=\"MARK\" fill=\"none\" stroke=\"#00a000\" stroke-width=\"0.2\">\n";
    for (const DrawingLine& line : drawing.marks)
        svg += "<path d=\"M " + page.point(line.from) + " L " + page.point(line.to) + "\"/>\n";
    svg += "</g>\n";

    svg += "<g id=\"TEXT\" fill=\"#000000\" stroke=\"none\" font-family=\"sans-serif\">\n";
    for (const DrawingText& text : drawing.texts) {
        svg += "<text x=\"" + page.x(text.at.x()) + "\" y=\"" + page.y(text.at.y()) +
               "\" font-size=\"" + decimalText(text.height, 4) + "\">" +
               text.text.toHtmlEscaped().toUtf8() + "</text>\n";
    }
    svg += "</g>\n</svg>\n";
    return svg;
}
