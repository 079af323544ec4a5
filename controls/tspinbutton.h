#pragma once

#include <functional>
#include <QImage>
#include <QPointer>
#include <QWidget>

class TTimerSpeedButton;

// A pair of arrow buttons, up above down. Pressing an arrow moves the focus
// to FocusControl (the spin field); a click fires OnUpClick or OnDownClick
// with the pair as sender. When the pair itself has the focus (it is a tab
// stop only when asked), Space clicks the focused arrow and the Up and Down
// keys click theirs.
class TSpinButton : public QWidget {
    Q_OBJECT
public:
    using ClickHandler = std::function<void(QObject* sender)>;

    explicit TSpinButton(QWidget* parent = nullptr);
    ~TSpinButton() override;

    TTimerSpeedButton* upButton() const { return m_up; }
    TTimerSpeedButton* downButton() const { return m_down; }
    // The arrow Space clicks and the focus mark shows on.
    TTimerSpeedButton* focusedButton() const { return m_focused; }

    // Cleared by itself when that control is destroyed.
    QWidget* FocusControl() const { return m_focusControl; }
    void SetFocusControl(QWidget* control) { m_focusControl = control; }
    void SetOnUpClick(ClickHandler handler) { m_onUpClick = std::move(handler); }
    void SetOnDownClick(ClickHandler handler) { m_onDownClick = std::move(handler); }

    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool tabStop);

    QImage UpGlyph() const;
    void SetUpGlyph(const QImage& glyph);
    QImage DownGlyph() const;
    void SetDownGlyph(const QImage& glyph);
    int UpNumGlyphs() const;
    void SetUpNumGlyphs(int count);
    int DownNumGlyphs() const;
    void SetDownNumGlyphs(int count);

    // Ends any repetition in progress on either arrow.
    void stopRepeat();
    // Places the arrows for the current size (run on every resize; callable
    // directly while the pair is hidden, when resize events wait for the show).
    void layoutArrows();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void arrowClicked(TTimerSpeedButton* arrow);
    void arrowMouseDown(TTimerSpeedButton* arrow);
    void setFocusedButton(TTimerSpeedButton* arrow);
    void updateFocusMarks();
    bool canTakeFocus(const QWidget* w) const;

    TTimerSpeedButton* m_up;
    TTimerSpeedButton* m_down;
    TTimerSpeedButton* m_focused;
    QPointer<QWidget> m_focusControl;
    ClickHandler m_onUpClick;
    ClickHandler m_onDownClick;
};
