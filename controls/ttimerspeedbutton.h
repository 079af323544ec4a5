#pragma once

#include "repeattimer.h"

#include <functional>
#include <memory>
#include <QAbstractButton>
#include <QImage>

// One arrow of a spin field: a flat push button showing a glyph that, while
// the left button holds it pressed, repeats its click: a first repetition
// 400 ms after the press, then one every 100 ms, and the ordinary click on a
// release over the arrow.
class TTimerSpeedButton : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int firstRepeatDelayMs = 400;
    static constexpr int repeatIntervalMs = 100;

    explicit TTimerSpeedButton(QWidget* parent = nullptr);
    ~TTimerSpeedButton() override;

    // Whether holding the arrow repeats its click.
    bool AllowTimer() const { return m_allowTimer; }
    void SetAllowTimer(bool allow) { m_allowTimer = allow; }
    // The dotted focus rectangle, shown while the owning pair has the focus.
    bool FocusMark() const { return m_focusMark; }
    void SetFocusMark(bool shown);

    // The image shown, holding NumGlyphs pictures side by side: normal,
    // disabled, pressed.
    QImage Glyph() const { return m_glyph; }
    void SetGlyph(const QImage& glyph);
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int count);

    // The click: repeated, or on release over the arrow. A failure is shown by
    // the program's error display and ends the repetition.
    void setClickHandler(std::function<void()> handler) { m_onClick = std::move(handler); }
    // Run on a left-button press, before the arrow is drawn pressed.
    void setMouseDownHandler(std::function<void()> handler) { m_onMouseDown = std::move(handler); }

    // Null until the first press that arms it.
    RepeatTimer* repeatTimer() const { return m_timer.get(); }
    // Ends a repetition in progress (release, hide, the field losing focus).
    void stopRepeat();

    QSize sizeHint() const override { return QSize(15, 9); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void timerExpired();
    void clickOnce();
    QImage glyphForState() const;

    bool m_allowTimer = true;
    bool m_focusMark = false;
    bool m_holding = false; // the left button pressed on the arrow, not yet released
    int m_numGlyphs = 1;
    QImage m_glyph;
    std::unique_ptr<RepeatTimer> m_timer;
    std::function<void()> m_onClick;
    std::function<void()> m_onMouseDown;
};
