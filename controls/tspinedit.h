#pragma once

#include "numbermask.h"

#include <functional>
#include <QLineEdit>

class QMenu;
class TSpinButton;

// A single-line field holding one 32-bit whole number, with an arrow pair
// inside its right edge. The number lives in the text: reading Value converts
// it (an invalid text reads as MinValue, never an error), writing Value
// replaces it. MinValue equal to MaxValue means no limits.
//
// Typed characters go, in order, through AcceptsChar (a rejected one beeps),
// then the host's key-press handler (which may discard one silently by
// setting it to QChar()), then the edit. Pasted text bypasses both.
class TSpinEdit : public QLineEdit {
    Q_OBJECT
public:
    using KeyPressHandler = std::function<void(QObject* sender, QChar& key)>;
    // Setting key to 0 keeps the key from the edit.
    using KeyDownHandler =
        std::function<void(QObject* sender, int& key, Qt::KeyboardModifiers modifiers)>;

    explicit TSpinEdit(QWidget* owner = nullptr);
    TSpinEdit(QWidget* owner, const NumberFormatSettings& settings);
    ~TSpinEdit() override;

    qint32 Value() const;
    void SetValue(qint32 value);
    qint32 MinValue() const { return m_minValue; }
    void SetMinValue(qint32 value) { m_minValue = value; }
    qint32 MaxValue() const { return m_maxValue; }
    void SetMaxValue(qint32 value) { m_maxValue = value; }
    qint32 Increment() const { return m_increment; }
    void SetIncrement(qint32 increment) { m_increment = increment; }
    // Whether characters may be typed, cut and pasted.
    bool EditorEnabled() const { return m_editorEnabled; }
    void SetEditorEnabled(bool enabled);
    bool AutoSelect() const { return m_autoSelect; }
    void SetAutoSelect(bool autoSelect) { m_autoSelect = autoSelect; }
    // A sunken three-dimensional border, which decides where the arrows sit.
    bool Ctl3D() const { return m_ctl3D; }
    void SetCtl3D(bool ctl3D);

    TSpinButton* Button() const { return m_button; }

    virtual bool AcceptsChar(QChar key) const;
    // One step up or down, wrapping around in 32 bits; a read-only field only beeps.
    virtual void StepUp(QObject* sender);
    virtual void StepDown(QObject* sender);
    qint32 ClampValue(qint32 value) const;

    void SetOnKeyPress(KeyPressHandler handler) { m_onKeyPress = std::move(handler); }
    void SetOnKeyDown(KeyDownHandler handler) { m_onKeyDown = std::move(handler); }

    const NumberFormatSettings& formatSettings() const { return m_settings; }
    void setFormatSettings(const NumberFormatSettings& settings) { m_settings = settings; }

    // The height below which the field grows.
    int minimumFieldHeight() const;
    // The field's edit menu; Cut, Paste, Delete, Undo and Redo only when the
    // field may be edited.
    QMenu* createContextMenu();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void init();
    bool canEditByClipboard() const;
    void typeCharacters(QKeyEvent* event, const QString& typed);
    void layoutArrows();
    void updateMinimumHeight();
    qint32 step(qint32 delta) const;

    qint32 m_minValue = 0;
    qint32 m_maxValue = 0;
    qint32 m_increment = 1;
    TSpinButton* m_button = nullptr;
    bool m_editorEnabled = true;
    bool m_autoSelect = true;
    bool m_ctl3D = true;
    // The focus came with a mouse press; whether it selects all depends on
    // where the press lands (on the arrows: yes).
    bool m_focusFromPress = false;
    // The field lost the focus to another window or a popup, not to a control.
    bool m_stillEntered = false;
    NumberFormatSettings m_settings;
    KeyPressHandler m_onKeyPress;
    KeyDownHandler m_onKeyDown;
};
