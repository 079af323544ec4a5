#include "tzelcanvas.h"

#include "tcolorpalette.h"
#include "tzelfont.h"

#include <algorithm>

namespace {

PixelRaster::Pattern patternOf(TBrushStyle style) {
    switch (style) {
    case bsHorizontal:
        return PixelRaster::Pattern::Horizontal;
    case bsVertical:
        return PixelRaster::Pattern::Vertical;
    case bsFDiagonal:
        return PixelRaster::Pattern::FDiagonal;
    case bsBDiagonal:
        return PixelRaster::Pattern::BDiagonal;
    case bsCross:
        return PixelRaster::Pattern::Cross;
    case bsDiagCross:
        return PixelRaster::Pattern::DiagCross;
    case bsSolid:
    case bsClear:
        break;
    }
    return PixelRaster::Pattern::Solid;
}

PixelRaster::Dash dashOf(TPenStyle style) {
    switch (style) {
    case psDash:
        return PixelRaster::Dash::Dash;
    case psDot:
        return PixelRaster::Dash::Dot;
    case psDashDot:
        return PixelRaster::Dash::DashDot;
    case psDashDotDot:
        return PixelRaster::Dash::DashDotDot;
    case psSolid:
    case psClear:
        break;
    }
    return PixelRaster::Dash::Solid;
}

PixelRaster::Mix mixOf(TPenMode mode) {
    switch (mode) {
    case pmNotXor:
        return PixelRaster::Mix::NotXor;
    case pmXor:
        return PixelRaster::Mix::Xor;
    case pmNot:
        return PixelRaster::Mix::Not;
    case pmCopy:
        break;
    }
    return PixelRaster::Mix::Copy;
}

// MulDiv for positive operands: a * b / c, halves away from zero.
int scaleRounded(int a, int b, int c) {
    const long long p = (long long)a * b;
    return int((p >= 0 ? p + c / 2 : p - c / 2) / c);
}

} // namespace

TZelCanvas::TZelCanvas() {
    Reset();
}

TZelCanvas::~TZelCanvas() = default;

void TZelCanvas::SetFont(const QFont& font) {
    if (m_measurer && m_font == font) return;
    m_font = font;
    auto& measurer = m_measurers[font.key()];
    if (!measurer) measurer = std::make_shared<CachedTextMeasurer>(font);
    m_measurer = measurer;
}

QFont TZelCanvas::fontFor(const QString& name, int points, bool bold, bool italic) {
    QFont font(name);
    font.setPixelSize(std::max(1, scaleRounded(points, 96, 72)));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont TZelCanvas::fontFor(const TZelFont& font) {
    return fontFor(font.Name(), font.Size(), font.Bold(), font.Italic());
}

void TZelCanvas::AssignPen(const TChartPen& pen, TColor colour) {
    m_penColor = colour;
    m_penWidth = pen.Width();
    m_penStyle = pen.Visible() ? pen.Style() : psClear;
    m_penMode = pen.Mode();
}

void TZelCanvas::AssignBrush(const TChartBrush& brush, TColor colour, TColor background) {
    m_brushColor = colour;
    m_brushStyle = brush.Style();
    m_brushImage = brush.Image();
    if (background == clNone) {
        m_backMode = cbmTransparent;
    } else {
        m_backMode = cbmOpaque;
        m_backColor = background;
    }
}

void TZelCanvas::AssignFont(const TZelFont& font) {
    SetFont(fontFor(font));
    m_fontColor = font.Color();
}

void TZelCanvas::Reset() {
    m_penColor = clBlack;
    m_penWidth = 1;
    m_penStyle = psSolid;
    m_penMode = pmCopy;
    m_brushColor = clWhite;
    m_brushStyle = bsSolid;
    m_brushImage = QImage();
    const QString face = m_measurer ? m_font.family() : QStringLiteral("Arial");
    SetFont(fontFor(face, 10));
    m_fontColor = clBlack;
    m_backColor = clWhite;
    m_backMode = cbmTransparent;
    m_textAlign = ctaLeft | ctaTop;
}

QRgb TZelCanvas::resolve(TColor colour, QRgb whenDefault) const {
    if (colour == clDefault || colour == clNone) return whenDefault;
    if (isSystemColor(colour)) return toQColor(colour, m_palette).rgb() | 0xFF000000;
    return qRgb(redOf(colour), greenOf(colour), blueOf(colour));
}

bool TZelCanvas::strokeFor(PixelRaster::Stroke& stroke) const {
    if (m_penStyle == psClear || m_penColor == clNone) return false;
    stroke.colour = resolve(m_penColor, 0xFF000000);
    stroke.width = std::max(1, m_penWidth);
    // A wide pen draws solid, as window-system pens do.
    stroke.dash = stroke.width > 1 ? PixelRaster::Dash::Solid : dashOf(m_penStyle);
    stroke.mix = mixOf(m_penMode);
    return true;
}

bool TZelCanvas::fillFor(PixelRaster::Fill& fill) const {
    if (!m_brushImage.isNull()) {
        fill.pattern = PixelRaster::Pattern::Image;
        fill.image = &m_brushImage;
        return true;
    }
    if (m_brushStyle == bsClear || m_brushColor == clNone) return false;
    fill.pattern = patternOf(m_brushStyle);
    fill.colour = resolve(m_brushColor, 0xFFFFFFFF);
    fill.opaqueGaps = m_backMode == cbmOpaque && m_backColor != clNone;
    fill.gapColour = resolve(m_backColor, resolve(m_defaultBackColor, 0xFFFFFFFF));
    return true;
}

void TZelCanvas::attachImage(QImage* image) {
    m_image = image;
    m_raster.attach(image);
    m_clipStack.clear();
}

void TZelCanvas::FillRect(int left, int top, int right, int bottom) {
    PixelRaster::Fill fill;
    if (right <= left || bottom <= top || !fillFor(fill)) return;
    m_raster.fillRect(QRect(left, top, right - left, bottom - top), fill);
}

void TZelCanvas::Rectangle(int left, int top, int right, int bottom) {
    const QPoint corners[4] = {
        {left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}};
    Polygon(corners, 4);
}

void TZelCanvas::Polygon(const QPoint* points, int count) {
    PixelRaster::Fill fill;
    if (fillFor(fill)) m_raster.fillPolygon(points, count, fill);
    PixelRaster::Stroke stroke;
    if (strokeFor(stroke)) m_raster.strokePolygon(points, count, stroke);
}

void TZelCanvas::LineTo(int x, int y) {
    PixelRaster::Stroke stroke;
    const QPoint to(x, y);
    if (strokeFor(stroke)) m_raster.drawLine(m_penPos, to, stroke);
    m_penPos = to;
}

void TZelCanvas::Polyline(const QPoint* points, int count) {
    PixelRaster::Stroke stroke;
    if (count < 2 || !strokeFor(stroke)) return;
    for (int i = 1; i < count; ++i)
        m_raster.drawLine(points[i - 1], points[i], stroke);
}

int TZelCanvas::TextWidth(const QString& text) const {
    return m_measurer->textWidth(text);
}

int TZelCanvas::TextHeight(const QString& text) const {
    return m_measurer->textHeight(text);
}

void TZelCanvas::TextOut(int x, int y, const QString& text) {
    if (m_image == nullptr || m_image->isNull() || text.isEmpty()) return;
    const int width = m_measurer->textWidth(text);
    const int height = m_measurer->textHeight(text);
    const int ascent = m_measurer->ascent();
    int left = x;
    if ((m_textAlign & ctaCenter) == ctaCenter)
        left = x - width / 2;
    else if (m_textAlign & ctaRight)
        left = x - width;
    int top = y;
    if ((m_textAlign & ctaBaseline) == ctaBaseline)
        top = y - ascent;
    else if (m_textAlign & ctaBottom)
        top = y - height;

    if (m_backMode == cbmOpaque && m_backColor != clNone) {
        PixelRaster::Fill fill;
        fill.colour = resolve(m_backColor, resolve(m_defaultBackColor, 0xFFFFFFFF));
        m_raster.fillRect(QRect(left, top, width, height), fill);
    }
    if (m_fontColor == clNone) return;
    const TextMaskCache::Mask& mask = m_textMasks.mask(m_font, text, width, height, ascent);
    m_raster.blendMask(mask.coverage, QPoint(left, top) + mask.offset,
                       resolve(m_fontColor, 0xFF000000));
}

void TZelCanvas::pushClip(const ClipSpans& region) {
    ClipSpans combined = region;
    if (!m_clipStack.empty()) combined.intersect(m_clipStack.back());
    m_clipStack.push_back(std::move(combined));
    m_raster.setClip(&m_clipStack.back());
}

void TZelCanvas::popClip() {
    if (m_clipStack.empty()) return;
    m_clipStack.pop_back();
    m_raster.setClip(currentClip());
}
