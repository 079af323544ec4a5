#include "tspinbutton.h"

#include "commandrunner.h"
#include "spinglyphs.h"
#include "spinlayout.h"
#include "ttimerspeedbutton.h"

#include <QKeyEvent>

TSpinButton::TSpinButton(QWidget* parent)
    : QWidget(parent)
    , m_up(new TTimerSpeedButton(this))
    , m_down(new TTimerSpeedButton(this))
    , m_focused(m_up) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (TTimerSpeedButton* arrow : {m_up, m_down}) {
        arrow->setClickHandler([this, arrow] { arrowClicked(arrow); });
        arrow->setMouseDownHandler([this, arrow] { arrowMouseDown(arrow); });
    }
    m_up->SetGlyph(spinUpGlyph());
    m_down->SetGlyph(spinDownGlyph());
    resize(20, 25);
}

TSpinButton::~TSpinButton() = default;

void TSpinButton::SetTabStop(bool tabStop) {
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::NoFocus);
}

QImage TSpinButton::UpGlyph() const {
    return m_up->Glyph();
}

void TSpinButton::SetUpGlyph(const QImage& glyph) {
    m_up->SetGlyph(glyph.isNull() ? spinUpGlyph() : glyph);
}

QImage TSpinButton::DownGlyph() const {
    return m_down->Glyph();
}

void TSpinButton::SetDownGlyph(const QImage& glyph) {
    m_down->SetGlyph(glyph.isNull() ? spinDownGlyph() : glyph);
}

int TSpinButton::UpNumGlyphs() const {
    return m_up->NumGlyphs();
}

void TSpinButton::SetUpNumGlyphs(int count) {
    m_up->SetNumGlyphs(count);
}

int TSpinButton::DownNumGlyphs() const {
    return m_down->NumGlyphs();
}

void TSpinButton::SetDownNumGlyphs(int count) {
    m_down->SetNumGlyphs(count);
}

void TSpinButton::stopRepeat() {
    m_up->stopRepeat();
    m_down->stopRepeat();
}

void TSpinButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutArrows();
}

void TSpinButton::layoutArrows() {
    if (width() < spinArrowPairMinimumWidth) resize(spinArrowPairMinimumWidth, height());
    m_up->setGeometry(spinUpArrowRect(size()));
    m_down->setGeometry(spinDownArrowRect(size()));
}

void TSpinButton::arrowClicked(TTimerSpeedButton* arrow) {
    const ClickHandler& handler = arrow == m_up ? m_onUpClick : m_onDownClick;
    if (handler) handler(this);
}

bool TSpinButton::canTakeFocus(const QWidget* w) const {
    return w->isEnabled() && w->isVisible();
}

void TSpinButton::arrowMouseDown(TTimerSpeedButton* arrow) {
    if (TabStop() && canTakeFocus(this)) setFocusedButton(arrow);
    QWidget* control = m_focusControl;
    if (control && (control->focusPolicy() & Qt::TabFocus) && canTakeFocus(control) &&
        !control->hasFocus()) {
        control->setFocus(Qt::OtherFocusReason);
    } else if (TabStop() && !hasFocus() && canTakeFocus(this)) {
        setFocus(Qt::OtherFocusReason);
    }
}

void TSpinButton::setFocusedButton(TTimerSpeedButton* arrow) {
    if (arrow == m_focused) return;
    m_focused = arrow;
    updateFocusMarks();
}

void TSpinButton::updateFocusMarks() {
    m_up->SetFocusMark(hasFocus() && m_focused == m_up);
    m_down->SetFocusMark(hasFocus() && m_focused == m_down);
}

void TSpinButton::keyPressEvent(QKeyEvent* event) {
    TTimerSpeedButton* target = nullptr;
    switch (event->key()) {
    case Qt::Key_Space:
        target = m_focused;
        break;
    case Qt::Key_Up:
        target = m_up;
        break;
    case Qt::Key_Down:
        target = m_down;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    setFocusedButton(target);
    runCommand([&] { arrowClicked(target); });
    event->accept();
}

void TSpinButton::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    updateFocusMarks();
}

void TSpinButton::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    updateFocusMarks();
}
