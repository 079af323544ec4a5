#include "textmaskcache.h"

#include <QPainter>

#include <algorithm>

namespace {
constexpr qsizetype MaxMasks = 1024;
// Room round the text's box for glyphs that reach past it.
constexpr int Slack = 3;
} // namespace

const TextMaskCache::Mask& TextMaskCache::mask(const QFont& font, const QString& text, int advance,
                                               int height, int ascent) {
    if (m_lastKey.isEmpty() || font != m_lastFont) {
        m_lastFont = font;
        m_lastKey = font.key();
    }
    QString key = m_lastKey;
    key += QChar(0x1F);
    key += text;
    const auto found = m_masks.constFind(key);
    if (found != m_masks.constEnd()) return *found;
    if (m_masks.size() >= MaxMasks) m_masks.clear();

    QImage canvas(advance + 2 * Slack, height + 2 * Slack, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(Slack, Slack + ascent), text);
    }
    const QImage coverage = canvas.convertToFormat(QImage::Format_Alpha8);
    // Only the part the glyphs touched is kept: blending skips the rest.
    int left = coverage.width(), right = -1, top = coverage.height(), bottom = -1;
    for (int y = 0; y < coverage.height(); ++y) {
        const uchar* row = coverage.constScanLine(y);
        for (int x = 0; x < coverage.width(); ++x) {
            if (row[x] == 0) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    Mask mask;
    if (right >= 0) {
        mask.coverage = coverage.copy(QRect(QPoint(left, top), QPoint(right, bottom)));
        mask.offset = QPoint(left - Slack, top - Slack);
    }
    return *m_masks.insert(key, std::move(mask));
}
