#pragma once

#include "booktypography.h"

#include <memory>
#include <QString>

class QPainter;
class QTextLayout;

// Text broken into lines within a width, in mm: at word boundaries, and
// anywhere in a word longer than the width. Lines are lineGap apart beyond
// the font's own height. Copies share the laid-out lines.
class BookText {
public:
    BookText(const QString& text, const TextStyle& style, double width,
             Qt::Alignment alignment = Qt::AlignLeft, double lineGap = 0);

    int lineCount() const { return m_lineCount; }
    double lineHeight() const { return m_lineHeight; }
    double lineGap() const { return m_lineGap; }
    // From the top of one line to the top of the next.
    double linePitch() const { return m_lineHeight + m_lineGap; }
    // All lines, the last without its gap.
    double height() const;
    // The width the last line's text takes, from the left of the width.
    double lastLineRight() const;

    // Lines first..first+count-1 (all from first when count < 0), the first
    // one's top-left at (left, top) mm, on a painter in device units.
    void draw(QPainter& painter, double left, double top, int first = 0, int count = -1) const;

    // The width of text on one line, in mm.
    static double naturalWidth(const QString& text, const TextStyle& style);
    // The widest word of text, in mm.
    static double widestWord(const QString& text, const TextStyle& style);

private:
    QFont m_font;
    double m_width = 0;
    Qt::Alignment m_alignment;
    int m_lineCount = 0;
    double m_lineHeight = 0;
    double m_lineGap = 0;
    double m_ascent = 0;
    // Text that fits on one line is drawn as it is; longer text through a
    // layout of its lines.
    QString m_line;
    double m_lineLeft = 0;
    double m_lineWidth = 0;
    std::shared_ptr<QTextLayout> m_layout;
};
