#include "booktext.h"

#include <algorithm>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

namespace {

// A text or a word as wide as its column, both sums of the same advances,
// fits: a hundredth of a millimetre never shows.
constexpr double fitTolerance = 0.01;

double alignedLeft(Qt::Alignment alignment, double textWidth, double width) {
    if (alignment & Qt::AlignRight) return width - textWidth;
    if (alignment & Qt::AlignHCenter) return (width - textWidth) / 2;
    return 0;
}

} // namespace

BookText::BookText(const QString& text, const TextStyle& style, double width,
                   Qt::Alignment alignment, double lineGap)
    : m_font(bookFont(style))
    , m_width(width)
    , m_alignment(alignment)
    , m_lineGap(lineGap) {
    const QFontMetricsF metrics(m_font);
    m_lineHeight = metrics.height() / bookPixelsPerMm;
    m_ascent = metrics.ascent() / bookPixelsPerMm;
    if (text.isEmpty()) return;
    const double natural = metrics.horizontalAdvance(text) / bookPixelsPerMm;
    if (natural <= width + fitTolerance && !text.contains(u'\n')) {
        m_line = text;
        m_lineWidth = natural;
        m_lineLeft = alignedLeft(alignment, natural, width);
        m_lineCount = 1;
        return;
    }
    QString lines = text;
    lines.replace(u'\n', QChar::LineSeparator);
    m_layout = std::make_shared<QTextLayout>(lines, m_font);
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_layout->setTextOption(option);
    m_layout->setCacheEnabled(true);
    const double pitch = linePitch() * bookPixelsPerMm;
    m_layout->beginLayout();
    for (QTextLine line = m_layout->createLine(); line.isValid(); line = m_layout->createLine()) {
        line.setLineWidth((width + fitTolerance) * bookPixelsPerMm);
        line.setPosition(QPointF(0, m_lineCount * pitch));
        ++m_lineCount;
    }
    m_layout->endLayout();
}

double BookText::height() const {
    return m_lineCount > 0 ? m_lineCount * m_lineHeight + (m_lineCount - 1) * m_lineGap : 0;
}

double BookText::lastLineRight() const {
    if (m_layout) {
        const QTextLine last = m_layout->lineAt(m_lineCount - 1);
        const double natural = last.naturalTextWidth() / bookPixelsPerMm;
        return alignedLeft(m_alignment, natural, m_width) + natural;
    }
    return m_lineCount > 0 ? m_lineLeft + m_lineWidth : 0;
}

void BookText::draw(QPainter& painter, double left, double top, int first, int count) const {
    const int end = count < 0 ? m_lineCount : std::min(m_lineCount, first + count);
    if (first >= end) return;
    painter.setFont(m_font);
    if (!m_layout) {
        painter.drawText(QPointF(left + m_lineLeft, top + m_ascent) * bookPixelsPerMm, m_line);
        return;
    }
    // Line `first` lands at top; the layout keeps the lines' offsets.
    const QPointF origin(left * bookPixelsPerMm,
                         top * bookPixelsPerMm - m_layout->lineAt(first).y());
    for (int i = first; i < end; ++i)
        m_layout->lineAt(i).draw(&painter, origin);
}

double BookText::naturalWidth(const QString& text, const TextStyle& style) {
    return QFontMetricsF(bookFont(style)).horizontalAdvance(text) / bookPixelsPerMm;
}

double BookText::widestWord(const QString& text, const TextStyle& style) {
    const QFontMetricsF metrics(bookFont(style));
    double widest = 0;
    for (const QStringView word : QStringView(text).split(u' ', Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(word.toString()));
    return widest / bookPixelsPerMm;
}
