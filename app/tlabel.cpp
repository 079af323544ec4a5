#include "tlabel.h"

#include <QEvent>
#include <QFontMetrics>

TLabel::TLabel(QWidget* parent)
    : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMargin(0);
    setIndent(0);
    fitToCaption();
}

void TLabel::SetCaption(const QString& caption) {
    if (caption == text()) return;
    setText(caption);
    fitToCaption();
}

void TLabel::SetAutoSize(bool on) {
    if (on == m_autoSize) return;
    m_autoSize = on;
    fitToCaption();
}

QSize TLabel::captionSize() const {
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text()), metrics.height());
}

void TLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) fitToCaption();
}

void TLabel::fitToCaption() {
    if (m_autoSize) resize(captionSize());
}
