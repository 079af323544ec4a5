#pragma once

#include "cachedtextmeasurer.h"
#include "clipspans.h"
#include "pixelraster.h"
#include "tchartbrush.h"
#include "tchartpen.h"
#include "tcolor.h"
#include "textmaskcache.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QPalette>
#include <QPoint>
#include <QString>

#include <memory>
#include <vector>

class QPainter;
class TZelFont;

enum TCanvasBackMode { cbmTransparent, cbmOpaque };

// Text alignment flags: one horizontal and one vertical choice, or-ed.
enum TCanvasTextAlign {
    ctaLeft = 0,
    ctaRight = 2,
    ctaCenter = 6,
    ctaTop = 0,
    ctaBottom = 8,
    ctaBaseline = 24
};

// The chart's canvas: a current pen, brush, font and background mode, and
// drawing operations in the manner of a window-system canvas. Rectangles are
// given by their edges, right and bottom being the first column and row
// outside; lines leave out their last pixel; a polygon's outline runs through
// all its corners. Everything goes to the pixel layer; texts are rendered by
// the font engine once and then blended from a kept mask.
class TZelCanvas {
public:
    TZelCanvas();
    TZelCanvas(const TZelCanvas&) = delete;
    TZelCanvas& operator=(const TZelCanvas&) = delete;
    virtual ~TZelCanvas();

    // --- Current pen, brush, font ------------------------------------------
    TColor PenColor() const { return m_penColor; }
    void SetPenColor(TColor colour) { m_penColor = colour; }
    int PenWidth() const { return m_penWidth; }
    void SetPenWidth(int width) { m_penWidth = width; }
    TPenStyle PenStyle() const { return m_penStyle; }
    void SetPenStyle(TPenStyle style) { m_penStyle = style; }
    TPenMode PenMode() const { return m_penMode; }
    void SetPenMode(TPenMode mode) { m_penMode = mode; }

    TColor BrushColor() const { return m_brushColor; }
    void SetBrushColor(TColor colour) { m_brushColor = colour; }
    TBrushStyle BrushStyle() const { return m_brushStyle; }
    void SetBrushStyle(TBrushStyle style) { m_brushStyle = style; }
    const QImage& BrushImage() const { return m_brushImage; }
    void SetBrushImage(const QImage& image) { m_brushImage = image; }

    const QFont& Font() const { return m_font; }
    void SetFont(const QFont& font);
    TColor FontColor() const { return m_fontColor; }
    void SetFontColor(TColor colour) { m_fontColor = colour; }

    TColor BackColor() const { return m_backColor; }
    void SetBackColor(TColor colour) { m_backColor = colour; }
    TCanvasBackMode BackMode() const { return m_backMode; }
    void SetBackMode(TCanvasBackMode mode) { m_backMode = mode; }
    int TextAlign() const { return m_textAlign; }
    void SetTextAlign(int align) { m_textAlign = align; }

    // Takes a chart pen with the given colour: a pen that is not visible
    // becomes the null pen.
    void AssignPen(const TChartPen& pen, TColor colour);
    // Takes a brush with the given colour; a pattern image wins over the
    // style. A background colour clNone means transparent mode, any other
    // value opaque mode with that colour.
    void AssignBrush(const TChartBrush& brush, TColor colour, TColor background);
    void AssignFont(const TZelFont& font);
    // Pen black, 1 pixel, solid; brush white, solid; font black, size 10;
    // background white, transparent; text left and top.
    void Reset();

    // The QFont a chart font is drawn and measured with: the point size
    // turned into pixels at 96 per inch, so that sizes do not depend on the
    // screen.
    static QFont fontFor(const QString& name, int points, bool bold = false, bool italic = false);
    static QFont fontFor(const TZelFont& font);

    // System colours resolve through this palette.
    void setPalette(const QPalette& palette) { m_palette = palette; }
    const QPalette& palette() const { return m_palette; }
    // What a background colour of clDefault paints (hatch gaps, opaque text).
    void setDefaultBackColor(TColor colour) { m_defaultBackColor = colour; }

    // --- Drawing --------------------------------------------------------------
    // The brush over [left, right) x [top, bottom); no outline.
    void FillRect(int left, int top, int right, int bottom);
    // Outline with the pen on the box's edge pixels, interior with the brush.
    void Rectangle(int left, int top, int right, int bottom);
    void Polygon(const QPoint* points, int count);
    void MoveTo(int x, int y) { m_penPos = QPoint(x, y); }
    void LineTo(int x, int y);
    void Line(int x0, int y0, int x1, int y1) {
        MoveTo(x0, y0);
        LineTo(x1, y1);
    }
    void Polyline(const QPoint* points, int count);
    void TextOut(int x, int y, const QString& text);
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;

    // Restricts drawing further to region (combined with the clip in force);
    // popClip puts back the clip that was in force before.
    void pushClip(const ClipSpans& region);
    void popClip();
    int clipDepth() const { return int(m_clipStack.size()); }
    const ClipSpans* currentClip() const {
        return m_clipStack.empty() ? nullptr : &m_clipStack.back();
    }

    QRgb resolve(TColor colour, QRgb whenDefault) const;

protected:
    // Directs all drawing into image (32-bit), or nowhere for nullptr.
    void attachImage(QImage* image);
    QImage* attachedImage() const { return m_image; }

private:
    bool strokeFor(PixelRaster::Stroke& stroke) const;
    bool fillFor(PixelRaster::Fill& fill) const;
    const CachedTextMeasurer& measurer() const { return *m_measurer; }

    TColor m_penColor = clBlack;
    int m_penWidth = 1;
    TPenStyle m_penStyle = psSolid;
    TPenMode m_penMode = pmCopy;
    TColor m_brushColor = clWhite;
    TBrushStyle m_brushStyle = bsSolid;
    QImage m_brushImage;
    QFont m_font;
    std::shared_ptr<CachedTextMeasurer> m_measurer;
    QHash<QString, std::shared_ptr<CachedTextMeasurer>> m_measurers; // by font key
    TColor m_fontColor = clBlack;
    TColor m_backColor = clWhite;
    TCanvasBackMode m_backMode = cbmTransparent;
    int m_textAlign = ctaLeft | ctaTop;
    QPoint m_penPos;

    QPalette m_palette;
    TColor m_defaultBackColor = clWhite;

    QImage* m_image = nullptr;
    PixelRaster m_raster;
    std::vector<ClipSpans> m_clipStack;
    TextMaskCache m_textMasks;
};
