#include "pixelraster.h"

#include <algorithm>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <cmath>
#include <cstdlib>

namespace {

// Bit c of row r (both taken mod 8) set: the pixel belongs to the hatch
// lines. Aligned to the image origin, so neighbouring faces continue it.
quint8 hatchRow(PixelRaster::Pattern pattern, int y) {
    const int r = y & 7;
    const quint8 horizontal = r == 0 ? 0xFF : 0x00;
    const quint8 vertical = 0x01;
    const quint8 forward = quint8(1u << r);        // "\": column == row
    const quint8 backward = quint8(1u << (7 - r)); // "/": column == 7 - row
    switch (pattern) {
    case PixelRaster::Pattern::Horizontal:
        return horizontal;
    case PixelRaster::Pattern::Vertical:
        return vertical;
    case PixelRaster::Pattern::FDiagonal:
        return forward;
    case PixelRaster::Pattern::BDiagonal:
        return backward;
    case PixelRaster::Pattern::Cross:
        return horizontal | vertical;
    case PixelRaster::Pattern::DiagCross:
        return forward | backward;
    case PixelRaster::Pattern::Solid:
    case PixelRaster::Pattern::Image:
        break;
    }
    return 0xFF;
}

// On/off run lengths of the dashed pens, in pixels.
struct DashPattern {
    int runs[6];
    int count;
};

DashPattern dashPattern(PixelRaster::Dash dash) {
    switch (dash) {
    case PixelRaster::Dash::Dot:
        return {{1, 1}, 2};
    case PixelRaster::Dash::Dash:
        return {{6, 2}, 2};
    case PixelRaster::Dash::DashDot:
        return {{3, 2, 1, 2}, 4};
    case PixelRaster::Dash::DashDotDot:
        return {{3, 1, 1, 1, 1, 1}, 6};
    case PixelRaster::Dash::Solid:
        break;
    }
    return {{1}, 1};
}

// A run of one colour: most of a paint's pixels are written here (the
// background alone is the whole image), so it goes 16 bytes at a time.
void fillPixels(quint32* p, int n, quint32 colour) {
#if defined(__SSE2__)
    while (n > 0 && (reinterpret_cast<quintptr>(p) & 15) != 0) {
        *p++ = colour;
        --n;
    }
    const __m128i v = _mm_set1_epi32(int(colour));
    for (; n >= 8; n -= 8, p += 8) {
        _mm_store_si128(reinterpret_cast<__m128i*>(p), v);
        _mm_store_si128(reinterpret_cast<__m128i*>(p + 4), v);
    }
#endif
    for (; n > 0; --n)
        *p++ = colour;
}

} // namespace

void PixelRaster::attach(QImage* image) {
    if (image == nullptr || image->isNull() || image->depth() != 32) {
        m_bits = nullptr;
        m_stride = 0;
        m_width = m_height = 0;
        m_clip = ClipSpans();
        m_clipBox = QRect();
        return;
    }
    m_bits = reinterpret_cast<quint32*>(image->bits());
    m_stride = size_t(image->bytesPerLine()) / 4;
    m_width = image->width();
    m_height = image->height();
    setClip(nullptr);
}

void PixelRaster::setClip(const ClipSpans* clip) {
    m_clip = ClipSpans(QRect(0, 0, m_width, m_height));
    if (clip != nullptr) m_clip.intersect(*clip);
    m_clipBox = m_clip.boundingRect();
}

PixelRaster::PreparedFill PixelRaster::prepare(const Fill& fill) {
    PreparedFill prepared;
    prepared.fill = &fill;
    if (fill.pattern == Pattern::Solid || fill.pattern == Pattern::Image) return prepared;
    for (int r = 0; r < 8; ++r) {
        prepared.masks[r] = hatchRow(fill.pattern, r);
        for (int c = 0; c < 8; ++c)
            prepared.colours[r][c] = (prepared.masks[r] >> c) & 1 ? fill.colour : fill.gapColour;
    }
    return prepared;
}

void PixelRaster::fillSpan(int y, int x0, int x1, const PreparedFill& prepared) {
    if (!clipRow(y, x0, x1)) return;
    const Fill& fill = *prepared.fill;
    quint32* row = m_bits + size_t(y) * m_stride;
    if (fill.pattern == Pattern::Solid) {
        fillPixels(row + x0, x1 - x0, fill.colour);
        return;
    }
    if (fill.pattern == Pattern::Image) {
        const QImage& image = *fill.image;
        const int w = image.width();
        const int h = image.height();
        const QRgb* source = reinterpret_cast<const QRgb*>(image.constScanLine(y % h));
        for (int x = x0; x < x1; ++x)
            row[x] = source[x % w] | 0xFF000000;
        return;
    }
    if (fill.opaqueGaps) {
        const quint32* colours = prepared.colours[y & 7];
        for (int x = x0; x < x1; ++x)
            row[x] = colours[x & 7];
        return;
    }
    const quint8 mask = prepared.masks[y & 7];
    for (int c = 0; c < 8; ++c) {
        if (((mask >> c) & 1) == 0) continue;
        int x = x0 + ((c - x0) & 7); // first column of x0.. with x mod 8 == c
        for (; x < x1; x += 8)
            row[x] = fill.colour;
    }
}

void PixelRaster::fillRect(const QRect& rect, const Fill& fill) {
    if (!attached() || rect.isEmpty()) return;
    if (fill.pattern == Pattern::Image && (fill.image == nullptr || fill.image->isNull())) return;
    const PreparedFill prepared = prepare(fill);
    const int y0 = std::max(rect.top(), m_clip.top());
    const int y1 = std::min(rect.bottom() + 1, m_clip.bottom());
    for (int y = y0; y < y1; ++y)
        fillSpan(y, rect.left(), rect.right() + 1, prepared);
}

void PixelRaster::fillPolygon(const QPoint* points, int count, const Fill& fill) {
    if (!attached() || m_clip.isEmpty()) return;
    if (fill.pattern == Pattern::Image && (fill.image == nullptr || fill.image->isNull())) return;
    // Pattern images must be 32-bit; anything else is converted once here.
    QImage converted;
    Fill used = fill;
    if (fill.pattern == Pattern::Image && fill.image->format() != QImage::Format_RGB32 &&
        fill.image->format() != QImage::Format_ARGB32) {
        converted = fill.image->convertToFormat(QImage::Format_RGB32);
        used.image = &converted;
    }
    const PreparedFill prepared = prepare(used);
    m_scanner.scan(points, count, m_clip.top(), m_clip.bottom(),
                   [&](int y, int x0, int x1) { fillSpan(y, x0, x1, prepared); });
}

namespace {

template <PixelRaster::Mix M> inline void mixPixel(quint32& p, quint32 colour) {
    if constexpr (M == PixelRaster::Mix::Copy)
        p = colour;
    else if constexpr (M == PixelRaster::Mix::NotXor)
        p = (~(p ^ colour) & 0x00FFFFFF) | 0xFF000000;
    else if constexpr (M == PixelRaster::Mix::Xor)
        p = ((p ^ colour) & 0x00FFFFFF) | 0xFF000000;
    else
        p = (~p & 0x00FFFFFF) | 0xFF000000;
}

} // namespace

template <PixelRaster::Mix M, bool Dashed>
void PixelRaster::walkLine(const Walk& w, QRgb colour, Dash dash) {
    const DashPattern pattern = dashPattern(dash);
    int run = w.dashRun;
    std::int64_t dashLeft = w.dashLeft;
    std::int64_t t = w.t;
    // Coordinates are near the clip box here: the walk has been cut to it.
    int x = int(w.xMajor ? w.major0 + w.sMajor * w.first : w.minor0 + w.sMinor * w.k);
    int y = int(w.xMajor ? w.minor0 + w.sMinor * w.k : w.major0 + w.sMajor * w.first);
    const int majorX = w.xMajor ? w.sMajor : 0;
    const int majorY = w.xMajor ? 0 : w.sMajor;
    const int minorX = w.xMajor ? 0 : w.sMinor;
    const int minorY = w.xMajor ? w.sMinor : 0;
    const int top = m_clip.top();
    const unsigned rows = unsigned(m_clip.bottom() - top);
    const int* left = m_clip.leftData() - top;
    const int* right = m_clip.rightData() - top;
    for (std::int64_t n = w.last - w.first; n > 0; --n) {
        if (!Dashed || (run & 1) == 0) {
            if (unsigned(y - top) < rows && x >= left[y] && x < right[y])
                mixPixel<M>(m_bits[size_t(y) * m_stride + size_t(x)], colour);
        }
        if constexpr (Dashed) {
            if (--dashLeft == 0) {
                if (++run == pattern.count) run = 0;
                dashLeft = pattern.runs[run];
            }
        }
        x += majorX;
        y += majorY;
        t += w.minorStep;
        if (t >= w.den) {
            t -= w.den;
            x += minorX;
            y += minorY;
        }
    }
}

void PixelRaster::walkWideLine(const Walk& w, const Stroke& stroke) {
    // Wide pens draw solid: a square of the pen's width at every step.
    std::int64_t k = w.k;
    std::int64_t t = w.t;
    const int from = -((stroke.width - 1) / 2);
    for (std::int64_t i = w.first; i < w.last; ++i) {
        const std::int64_t major = w.major0 + w.sMajor * i;
        const std::int64_t minor = w.minor0 + w.sMinor * k;
        const int x = int(w.xMajor ? major : minor);
        const int y = int(w.xMajor ? minor : major);
        for (int dy = from; dy < from + stroke.width; ++dy)
            for (int dx = from; dx < from + stroke.width; ++dx)
                if (m_clip.contains(x + dx, y + dy))
                    plotUnclipped(x + dx, y + dy, stroke.colour, stroke.mix);
        t += w.minorStep;
        if (t >= w.den) {
            t -= w.den;
            ++k;
        }
    }
}

void PixelRaster::drawLine(QPoint a, QPoint b, const Stroke& stroke, bool includeLast) {
    if (!attached() || m_clip.isEmpty()) return;
    const std::int64_t dx = std::int64_t(b.x()) - a.x();
    const std::int64_t dy = std::int64_t(b.y()) - a.y();
    Walk w;
    w.xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t dMajor = w.xMajor ? std::llabs(dx) : std::llabs(dy);
    const std::int64_t dMinor = w.xMajor ? std::llabs(dy) : std::llabs(dx);
    w.sMajor = (w.xMajor ? dx : dy) < 0 ? -1 : 1;
    w.sMinor = (w.xMajor ? dy : dx) < 0 ? -1 : 1;
    w.major0 = w.xMajor ? a.x() : a.y();
    w.minor0 = w.xMajor ? a.y() : a.x();
    const std::int64_t steps = dMajor + (includeLast ? 1 : 0);
    if (steps == 0) return;

    // Skip the steps that fall outside the clip's bounding box, so that a
    // line with far-away ends costs only its visible pixels.
    const QRect& box = m_clipBox;
    const std::int64_t majLo = w.xMajor ? box.left() : box.top();
    const std::int64_t majHi = w.xMajor ? box.right() : box.bottom();
    const std::int64_t minLo = w.xMajor ? box.top() : box.left();
    const std::int64_t minHi = w.xMajor ? box.bottom() : box.right();
    std::int64_t first = 0;
    std::int64_t last = steps; // exclusive
    auto limitBy = [&](std::int64_t start, int sign, std::int64_t lo, std::int64_t hi,
                       double rate) {
        // Keeps the steps i with lo <= start + sign * rate * i <= hi, one
        // step of slack on each side for the rounding of the minor axis.
        if (rate == 0.0) {
            if (start < lo || start > hi) last = first;
            return;
        }
        const double i0 = (double(sign > 0 ? lo : hi) - double(start)) / (sign * rate);
        const double i1 = (double(sign > 0 ? hi : lo) - double(start)) / (sign * rate);
        first = std::max(first, std::int64_t(std::floor(i0)) - 1);
        last = std::min(last, std::int64_t(std::ceil(i1)) + 2);
    };
    if (!box.contains(a) || !box.contains(b)) {
        limitBy(w.major0, w.sMajor, majLo, majHi, 1.0);
        limitBy(w.minor0, w.sMinor, minLo, minHi,
                dMajor == 0 ? 0.0 : double(dMinor) / double(dMajor));
    }
    w.first = std::max<std::int64_t>(first, 0);
    w.last = std::min(last, steps);
    if (w.first >= w.last) return;

    // Minor offset at step i: round(i * dMinor / dMajor), halves upward,
    // kept as an integer quotient and remainder over 2 * dMajor.
    w.den = 2 * std::max<std::int64_t>(dMajor, 1);
    w.minorStep = 2 * dMinor;
    const std::int64_t num = 2 * w.first * dMinor + dMajor;
    w.k = num / w.den;
    w.t = num % w.den;

    const bool dashed = stroke.dash != Dash::Solid && stroke.width <= 1;
    w.dashRun = 0;
    w.dashLeft = 1;
    if (dashed) {
        const DashPattern pattern = dashPattern(stroke.dash);
        std::int64_t total = 0;
        for (int i = 0; i < pattern.count; ++i)
            total += pattern.runs[i];
        std::int64_t phase = w.first % total;
        while (phase >= pattern.runs[w.dashRun]) {
            phase -= pattern.runs[w.dashRun];
            if (++w.dashRun == pattern.count) w.dashRun = 0;
        }
        w.dashLeft = pattern.runs[w.dashRun] - phase;
    }

    if (dMinor == 0 && stroke.mix == Mix::Copy && (stroke.width > 1 || !dashed)) {
        // Level or upright solid line: a filled rectangle of pixels.
        const std::int64_t m0 = w.major0 + w.sMajor * w.first;
        const std::int64_t m1 = w.major0 + w.sMajor * (w.last - 1);
        const int from = -((stroke.width - 1) / 2);
        const int lo = int(std::min(m0, m1));
        const int hi = int(std::max(m0, m1));
        const int across = int(w.minor0) + from;
        Fill fill;
        fill.colour = stroke.colour;
        const int width = std::max(1, stroke.width);
        if (w.xMajor)
            fillRect(QRect(lo + (width > 1 ? from : 0), across,
                           hi - lo + 1 + (width > 1 ? width - 1 : 0), width),
                     fill);
        else
            fillRect(QRect(across, lo + (width > 1 ? from : 0), width,
                           hi - lo + 1 + (width > 1 ? width - 1 : 0)),
                     fill);
        return;
    }
    if (dMinor == 0 && w.xMajor && dashed && stroke.mix == Mix::Copy) {
        // Level dashed line (a grid line): clipped once for its row.
        const int y = int(w.minor0);
        if (y < m_clip.top() || y >= m_clip.bottom()) return;
        const DashPattern pattern = dashPattern(stroke.dash);
        int run = w.dashRun;
        std::int64_t dashLeft = w.dashLeft;
        const int lo = m_clip.left(y);
        const int hi = m_clip.right(y);
        quint32* row = m_bits + size_t(y) * m_stride;
        std::int64_t x = w.major0 + w.sMajor * w.first;
        for (std::int64_t n = w.last - w.first; n > 0; --n, x += w.sMajor) {
            if ((run & 1) == 0 && x >= lo && x < hi) row[x] = stroke.colour;
            if (--dashLeft == 0) {
                if (++run == pattern.count) run = 0;
                dashLeft = pattern.runs[run];
            }
        }
        return;
    }
    if (stroke.width > 1) {
        walkWideLine(w, stroke);
        return;
    }
    const QRgb c = stroke.colour;
    switch (stroke.mix) {
    case Mix::Copy:
        dashed ? walkLine<Mix::Copy, true>(w, c, stroke.dash)
               : walkLine<Mix::Copy, false>(w, c, stroke.dash);
        break;
    case Mix::NotXor:
        dashed ? walkLine<Mix::NotXor, true>(w, c, stroke.dash)
               : walkLine<Mix::NotXor, false>(w, c, stroke.dash);
        break;
    case Mix::Xor:
        dashed ? walkLine<Mix::Xor, true>(w, c, stroke.dash)
               : walkLine<Mix::Xor, false>(w, c, stroke.dash);
        break;
    case Mix::Not:
        dashed ? walkLine<Mix::Not, true>(w, c, stroke.dash)
               : walkLine<Mix::Not, false>(w, c, stroke.dash);
        break;
    }
}

void PixelRaster::strokePolygon(const QPoint* points, int count, const Stroke& stroke) {
    if (count <= 0) return;
    if (count == 1) {
        drawLine(points[0], points[0], stroke, true);
        return;
    }
    for (int i = 0; i < count; ++i)
        drawLine(points[i], points[(i + 1) % count], stroke);
}

void PixelRaster::blendMask(const QImage& coverage, QPoint topLeft, QRgb colour) {
    if (!attached() || coverage.format() != QImage::Format_Alpha8) return;
    const int r = qRed(colour), g = qGreen(colour), b = qBlue(colour);
    for (int my = 0; my < coverage.height(); ++my) {
        const int y = topLeft.y() + my;
        int x0 = topLeft.x();
        int x1 = x0 + coverage.width();
        if (!clipRow(y, x0, x1)) continue;
        const uchar* alpha = coverage.constScanLine(my) - topLeft.x();
        quint32* row = m_bits + size_t(y) * m_stride;
        for (int x = x0; x < x1; ++x) {
            const int a = alpha[x];
            if (a == 0) continue;
            const quint32 d = row[x];
            const int na = 255 - a;
            // (c * a + d * (255 - a)) / 255, rounded
            auto mix = [a, na](int c, int dc) {
                const int v = c * a + dc * na + 128;
                return (v + (v >> 8)) >> 8;
            };
            row[x] = 0xFF000000u | quint32(mix(r, qRed(d)) << 16) |
                     quint32(mix(g, qGreen(d)) << 8) | quint32(mix(b, qBlue(d)));
        }
    }
}
