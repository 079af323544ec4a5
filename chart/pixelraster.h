#pragma once

#include "clipspans.h"
#include "polygonscanner.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>

#include <cstdint>

// The pixel layer under the chart's drawing surface: fills and 1-pixel
// strokes written straight into the bits of a 32-bit QImage, clipped to a
// span region. A chart paint is about a thousand hatched faces with their
// outlines; going through QPainter for each cost an order of magnitude more
// than the pixels themselves.
class PixelRaster {
public:
    enum class Pattern {
        Solid,
        Horizontal,
        Vertical,
        FDiagonal,
        BDiagonal,
        Cross,
        DiagCross,
        Image
    };
    struct Fill {
        Pattern pattern = Pattern::Solid;
        QRgb colour = 0xFFFFFFFF;
        bool opaqueGaps = false; // hatch gaps painted in gapColour, else left alone
        QRgb gapColour = 0xFFFFFFFF;
        const QImage* image = nullptr; // tiled from the image origin, for Pattern::Image
    };

    enum class Dash { Solid, Dot, Dash, DashDot, DashDotDot };
    enum class Mix { Copy, NotXor, Xor, Not };
    struct Stroke {
        QRgb colour = 0xFF000000;
        int width = 1;
        Dash dash = Dash::Solid;
        Mix mix = Mix::Copy;
    };

    // The image must be Format_RGB32 or Format_ARGB32(_Premultiplied) and
    // outlive the attachment; nothing is drawn while detached.
    void attach(QImage* image);
    void detach() { attach(nullptr); }
    bool attached() const { return m_bits != nullptr; }

    // Drawing is limited to the clip and the image; nullptr: the whole image.
    void setClip(const ClipSpans* clip);
    const ClipSpans& clip() const { return m_clip; }

    void fillRect(const QRect& rect, const Fill& fill);
    // Even-odd fill of the polygon's pixels (PolygonScanner's rule).
    void fillPolygon(const QPoint* points, int count, const Fill& fill);
    // A Bresenham line from a to b; b itself only when includeLast.
    void drawLine(QPoint a, QPoint b, const Stroke& stroke, bool includeLast = false);
    // The closed outline through all corners.
    void strokePolygon(const QPoint* points, int count, const Stroke& stroke);

    QRgb pixel(int x, int y) const { return m_bits[size_t(y) * m_stride + size_t(x)]; }

private:
    bool clipRow(int y, int& x0, int& x1) const;
    void fillSpan(int y, int x0, int x1, const Fill& fill);
    void plot(int x, int y, const Stroke& stroke);
    void plotUnclipped(int x, int y, QRgb colour, Mix mix) {
        quint32& p = m_bits[size_t(y) * m_stride + size_t(x)];
        switch (mix) {
        case Mix::Copy:
            p = colour;
            break;
        case Mix::NotXor:
            p = (~(p ^ colour) & 0x00FFFFFF) | 0xFF000000;
            break;
        case Mix::Xor:
            p = ((p ^ colour) & 0x00FFFFFF) | 0xFF000000;
            break;
        case Mix::Not:
            p = (~p & 0x00FFFFFF) | 0xFF000000;
            break;
        }
    }

    quint32* m_bits = nullptr;
    size_t m_stride = 0; // in pixels
    int m_width = 0;
    int m_height = 0;
    ClipSpans m_clip; // the requested clip within the image
    QRect m_clipBox;
    PolygonScanner m_scanner;
};
