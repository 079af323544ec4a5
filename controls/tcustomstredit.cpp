#include "tcustomstredit.h"

#include "focusselect.h"
#include "fontheights.h"
#include "tcolorpalette.h"

#include <qdrawutil.h>
#include <QFocusEvent>
#include <QPainter>

TCustomStrEdit::TCustomStrEdit(QWidget* owner)
    : QLineEdit(owner) {
    setFrame(true);
    ComputeTextMargin();
}

void TCustomStrEdit::SetAlignment(TAlignment alignment) {
    if (alignment == m_alignment) return;
    m_alignment = alignment;
    update();
}

void TCustomStrEdit::ComputeTextMargin() {
    m_textMargin = qMin(systemFontTextHeight(), textHeight(font())) / 4;
}

void TCustomStrEdit::SetBorderStyle(TBorderStyle style) {
    if (style == m_borderStyle) return;
    m_borderStyle = style;
    setFrame(style == bsSingle);
    applyAutoSize();
    update();
}

void TCustomStrEdit::SetCtl3D(bool ctl3D) {
    if (ctl3D == m_ctl3D) return;
    m_ctl3D = ctl3D;
    applyAutoSize();
    update();
}

void TCustomStrEdit::SetColor(TColor color) {
    if (color == m_color) return;
    m_color = color;
    QPalette p = palette();
    p.setColor(QPalette::Base, toQColor(color, p));
    setPalette(p);
    update();
}

void TCustomStrEdit::SetAutoSize(bool autoSize) {
    if (autoSize == m_autoSize) return;
    m_autoSize = autoSize;
    applyAutoSize();
}

int TCustomStrEdit::borderWidth() const {
    if (m_borderStyle == bsNone) return 0;
    return m_ctl3D ? 2 : 1;
}

QRect TCustomStrEdit::clientRect() const {
    const int b = borderWidth();
    return rect().adjusted(b, b, -b, -b);
}

int TCustomStrEdit::autoSizedHeight() const {
    return textHeight(font()) + (m_ctl3D ? 8 : 6);
}

void TCustomStrEdit::applyAutoSize() {
    if (m_autoSize && m_borderStyle == bsSingle) resize(width(), autoSizedHeight());
}

int TCustomStrEdit::alignedTextLeft(TAlignment alignment, int left, int right, int textWidth,
                                    int margin) {
    if (alignment == taCenter) return (left + right - textWidth) / 2;
    return right - textWidth - margin;
}

bool TCustomStrEdit::event(QEvent* event) {
    // The field's window is "created" when it is first polished.
    if (event->type() == QEvent::Polish) applyAutoSize();
    return QLineEdit::event(event);
}

void TCustomStrEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) applyAutoSize();
}

void TCustomStrEdit::paintEvent(QPaintEvent* event) {
    if (m_alignment == taLeftJustify) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QPalette& pal = palette();
    const QColor frameColor = toQColor(clWindowFrame, pal);
    if (m_borderStyle == bsSingle) {
        // The edit's own border around the client area.
        if (m_ctl3D) {
            qDrawWinPanel(&painter, rect(), pal, true);
        } else {
            painter.setPen(frameColor);
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }
    const QRect client = clientRect();
    painter.translate(client.topLeft());
    QRect r(0, 0, client.width(), client.height());
    int margin = 0;
    if (m_borderStyle == bsSingle) {
        painter.setPen(frameColor);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        r.adjust(1, 1, -1, -1);
        margin = m_textMargin;
    }
    const QString s = text();
    const QFontMetrics metrics(font());
    const int x = alignedTextLeft(m_alignment, r.left(), r.left() + r.width(),
                                  metrics.horizontalAdvance(s), margin);
    painter.fillRect(r, toQColor(m_color, pal));
    painter.setClipRect(r);
    painter.setFont(font());
    // The font colour of an enabled field, whatever the field's state.
    painter.setPen(pal.color(QPalette::Active, QPalette::Text));
    painter.drawText(x, margin + metrics.ascent(), s);
}

void TCustomStrEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (m_autoSelect && focusEntry(event, m_stillEntered) == FocusEntry::SelectAll) selectAll();
    m_savedAlignment = m_alignment;
    SetAlignment(taLeftJustify);
}

void TCustomStrEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    m_stillEntered = staysEnteredAfter(event);
    SetAlignment(m_savedAlignment);
}
