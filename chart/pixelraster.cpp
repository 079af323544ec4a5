#include "pixelraster.h"

#include <algorithm>
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

bool PixelRaster::clipRow(int y, int& x0, int& x1) const {
    if (y < m_clip.top() || y >= m_clip.bottom()) return false;
    x0 = std::max(x0, m_clip.left(y));
    x1 = std::min(x1, m_clip.right(y));
    return x0 < x1;
}

void PixelRaster::fillSpan(int y, int x0, int x1, const Fill& fill) {
    if (!clipRow(y, x0, x1)) return;
    quint32* row = m_bits + size_t(y) * m_stride;
    if (fill.pattern == Pattern::Solid) {
        std::fill(row + x0, row + x1, quint32(fill.colour));
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
    const quint8 mask = hatchRow(fill.pattern, y);
    if (fill.opaqueGaps) {
        quint32 colours[8];
        for (int c = 0; c < 8; ++c)
            colours[c] = (mask >> c) & 1 ? fill.colour : fill.gapColour;
        for (int x = x0; x < x1; ++x)
            row[x] = colours[x & 7];
        return;
    }
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
    const int y0 = std::max(rect.top(), m_clip.top());
    const int y1 = std::min(rect.bottom() + 1, m_clip.bottom());
    for (int y = y0; y < y1; ++y)
        fillSpan(y, rect.left(), rect.right() + 1, fill);
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
    m_scanner.scan(points, count, m_clip.top(), m_clip.bottom(),
                   [&](int y, int x0, int x1) { fillSpan(y, x0, x1, used); });
}

void PixelRaster::plot(int x, int y, const Stroke& stroke) {
    if (stroke.width <= 1) {
        if (m_clip.contains(x, y)) plotUnclipped(x, y, stroke.colour, stroke.mix);
        return;
    }
    const int from = -((stroke.width - 1) / 2);
    for (int dy = from; dy < from + stroke.width; ++dy)
        for (int dx = from; dx < from + stroke.width; ++dx)
            if (m_clip.contains(x + dx, y + dy))
                plotUnclipped(x + dx, y + dy, stroke.colour, stroke.mix);
}

void PixelRaster::drawLine(QPoint a, QPoint b, const Stroke& stroke, bool includeLast) {
    if (!attached() || m_clip.isEmpty()) return;
    const std::int64_t dx = std::int64_t(b.x()) - a.x();
    const std::int64_t dy = std::int64_t(b.y()) - a.y();
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t dMajor = xMajor ? std::llabs(dx) : std::llabs(dy);
    const std::int64_t dMinor = xMajor ? std::llabs(dy) : std::llabs(dx);
    const int sMajor = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int sMinor = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const std::int64_t major0 = xMajor ? a.x() : a.y();
    const std::int64_t minor0 = xMajor ? a.y() : a.x();
    std::int64_t steps = dMajor + (includeLast ? 1 : 0);
    if (steps == 0) return;

    // Skip the steps that fall outside the clip's bounding box, so that a
    // line with far-away ends costs only its visible pixels.
    const QRect& box = m_clipBox;
    const std::int64_t majLo = xMajor ? box.left() : box.top();
    const std::int64_t majHi = xMajor ? box.right() : box.bottom();
    const std::int64_t minLo = xMajor ? box.top() : box.left();
    const std::int64_t minHi = xMajor ? box.bottom() : box.right();
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
        double i0 = (double(sign > 0 ? lo : hi) - double(start)) / (sign * rate);
        double i1 = (double(sign > 0 ? hi : lo) - double(start)) / (sign * rate);
        first = std::max(first, std::int64_t(std::floor(i0)) - 1);
        last = std::min(last, std::int64_t(std::ceil(i1)) + 2);
    };
    limitBy(major0, sMajor, majLo, majHi, 1.0);
    limitBy(minor0, sMinor, minLo, minHi, dMajor == 0 ? 0.0 : double(dMinor) / double(dMajor));
    first = std::max<std::int64_t>(first, 0);
    last = std::min(last, steps);
    if (first >= last) return;

    // Minor offset at step i: round(i * dMinor / dMajor), halves upward,
    // kept as an integer quotient and remainder over 2 * dMajor.
    const std::int64_t den = 2 * std::max<std::int64_t>(dMajor, 1);
    const std::int64_t num = 2 * first * dMinor + dMajor;
    std::int64_t k = num / den;
    std::int64_t t = num % den;

    const DashPattern pattern = dashPattern(stroke.dash);
    int run = 0;
    std::int64_t left = 0;
    if (stroke.dash != Dash::Solid) {
        std::int64_t total = 0;
        for (int i = 0; i < pattern.count; ++i)
            total += pattern.runs[i];
        std::int64_t phase = first % total;
        while (phase >= pattern.runs[run]) {
            phase -= pattern.runs[run];
            run = (run + 1) % pattern.count;
        }
        left = pattern.runs[run] - phase;
    }

    for (std::int64_t i = first; i < last; ++i) {
        const bool on = stroke.dash == Dash::Solid || (run % 2) == 0;
        if (on) {
            const std::int64_t major = major0 + sMajor * i;
            const std::int64_t minor = minor0 + sMinor * k;
            if (xMajor)
                plot(int(major), int(minor), stroke);
            else
                plot(int(minor), int(major), stroke);
        }
        if (stroke.dash != Dash::Solid && --left == 0) {
            run = (run + 1) % pattern.count;
            left = pattern.runs[run];
        }
        t += 2 * dMinor;
        while (t >= den) {
            t -= den;
            ++k;
        }
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
