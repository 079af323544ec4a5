#include "ttimerspeedbutton.h"

#include "commandrunner.h"

#include <qdrawutil.h>
#include <QMouseEvent>
#include <QPainter>

TTimerSpeedButton::TTimerSpeedButton(QWidget* parent)
    : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QAbstractButton::clicked, this, [this] { runCommand([this] { clickOnce(); }); });
}

TTimerSpeedButton::~TTimerSpeedButton() = default;

void TTimerSpeedButton::SetFocusMark(bool shown) {
    if (shown == m_focusMark) return;
    m_focusMark = shown;
    update();
}

void TTimerSpeedButton::SetGlyph(const QImage& glyph) {
    m_glyph = glyph;
    update();
}

void TTimerSpeedButton::SetNumGlyphs(int count) {
    count = qBound(1, count, 4);
    if (count == m_numGlyphs) return;
    m_numGlyphs = count;
    update();
}

void TTimerSpeedButton::stopRepeat() {
    m_holding = false;
    if (m_timer) m_timer->stop();
}

void TTimerSpeedButton::clickOnce() {
    if (m_onClick) m_onClick();
}

void TTimerSpeedButton::timerExpired() {
    m_timer->setInterval(repeatIntervalMs);
    if (!(isDown() && m_holding)) return;
    runCommand([this] {
        try {
            clickOnce();
        } catch (...) {
            // Stopped before the error is shown, so that no further repetition
            // can run while the message is up.
            m_timer->stop();
            throw;
        }
    });
}

void TTimerSpeedButton::mousePressEvent(QMouseEvent* event) {
    const bool left = event->button() == Qt::LeftButton;
    if (left && m_onMouseDown) m_onMouseDown();
    QAbstractButton::mousePressEvent(event);
    if (left) m_holding = true;
    if (m_allowTimer) {
        if (!m_timer) {
            m_timer = makeRepeatTimer();
            m_timer->setTimeoutHandler([this] { timerExpired(); });
        }
        m_timer->start(firstRepeatDelayMs);
    }
}

void TTimerSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
    // No longer held: a repetition falling due while the click below runs
    // (an error box, say) must not step again.
    if (event->button() == Qt::LeftButton) m_holding = false;
    QAbstractButton::mouseReleaseEvent(event);
    if (m_timer) m_timer->stop();
}

void TTimerSpeedButton::hideEvent(QHideEvent* event) {
    stopRepeat();
    setDown(false);
    QAbstractButton::hideEvent(event);
}

QImage TTimerSpeedButton::glyphForState() const {
    if (m_glyph.isNull() || m_numGlyphs <= 1) return m_glyph;
    int index = 0;
    if (!isEnabled()) {
        index = 1;
    } else if (isDown()) {
        index = 2;
    }
    if (index >= m_numGlyphs) index = 0;
    const int w = m_glyph.width() / m_numGlyphs;
    return m_glyph.copy(index * w, 0, w, m_glyph.height());
}

void TTimerSpeedButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool down = isDown();
    const QBrush face = palette().brush(QPalette::Button);
    qDrawWinButton(&painter, rect(), palette(), down, &face);
    const QImage glyph = glyphForState();
    const int shift = down ? 1 : 0;
    if (!glyph.isNull()) {
        const int x = (width() - glyph.width()) / 2 + shift;
        const int y = (height() - glyph.height()) / 2 + shift;
        if (!isEnabled() && m_numGlyphs <= 1) painter.setOpacity(0.4);
        painter.drawImage(x, y, glyph);
        painter.setOpacity(1.0);
    }
    if (m_focusMark) {
        QRect r = rect().adjusted(3, 3, -3, -3);
        if (down) r.translate(1, 1);
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
}
