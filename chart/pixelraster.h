#pragma once

#include "clipspans.h"
#include "polygonscanner.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>

#include <algorithm>
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
    // colour blended in by an 8-bit coverage mask (Format_Alpha8) placed at topLeft.
    void blendMask(const QImage& coverage, QPoint topLeft, QRgb colour);

    QRgb pixel(int x, int y) const { return m_bits[size_t(y) * m_stride + size_t(x)]; }

private:
    // One Bresenham walk: the steps [first, last) of the longer axis, with
    // the minor-axis offset k and its remainder t over den at step first.
    struct Walk {
        std::int64_t major0, minor0;
        int sMajor, sMinor;
        bool xMajor;
        std::int64_t first, last, k, t, den, minorStep;
        int dashRun;           // index into the dash pattern at step first
        std::int64_t dashLeft; // steps left in that run
    };
    template <Mix M, bool Dashed> void walkLine(const Walk& walk, QRgb colour, Dash dash);
    void walkWideLine(const Walk& walk, const Stroke& stroke);

    // A fill with its hatch worked out for the eight rows of the pattern.
    struct PreparedFill {
        const Fill* fill = nullptr;
        quint8 masks[8]; // filled for hatches only
        quint32 colours[8][8];
    };
    static PreparedFill prepare(const Fill& fill);

    bool clipRow(int y, int& x0, int& x1) const {
        if (y < m_clip.top() || y >= m_clip.bottom()) return false;
        x0 = std::max(x0, m_clip.left(y));
        x1 = std::min(x1, m_clip.right(y));
        return x0 < x1;
    }
    void fillSpan(int y, int x0, int x1, const PreparedFill& prepared);
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
