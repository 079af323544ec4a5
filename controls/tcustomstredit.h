#pragma once

#include "tcolor.h"

#include <QLineEdit>

enum TAlignment : quint8 { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
enum TBorderStyle : quint8 { bsNone, bsSingle };

// A single-line edit field that paints its own text, right-aligned or centred
// on its own colour, in the font colour even while disabled. While it has the
// focus it is switched to left alignment, which means the plain edit
// painting, so that a focused field looks and edits like any edit field.
class TCustomStrEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TCustomStrEdit(QWidget* owner = nullptr);

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    TAlignment SavedAlignment() const { return m_savedAlignment; }

    // Inner margin of the custom painting under a single border: the smaller
    // of the system font's and the field's text heights, divided by 4.
    int TextMargin() const { return m_textMargin; }
    void ComputeTextMargin();

    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style);
    bool Ctl3D() const { return m_ctl3D; }
    void SetCtl3D(bool ctl3D);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    bool AutoSelect() const { return m_autoSelect; }
    void SetAutoSelect(bool autoSelect) { m_autoSelect = autoSelect; }
    // With a single border, keeps the height at the font's text height plus
    // the border allowance; applied when the field is first shown and when
    // its font or border changes.
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);

    // Width of the border drawn around the client area: 2 for a sunken
    // single border, 1 for a flat one, 0 without border.
    int borderWidth() const;
    QRect clientRect() const;
    int autoSizedHeight() const;

    // Left edge of the text in the custom painting, for a frame whose inner
    // horizontal span is [left, right).
    static int alignedTextLeft(TAlignment alignment, int left, int right, int textWidth,
                               int margin);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void applyAutoSize();

    TAlignment m_alignment = taRightJustify;
    TAlignment m_savedAlignment = taLeftJustify;
    int m_textMargin = 0;
    TBorderStyle m_borderStyle = bsSingle;
    bool m_ctl3D = true;
    TColor m_color = clWindow;
    bool m_autoSelect = true;
    // The field lost the focus to another window or a popup, not to a control.
    bool m_stillEntered = false;
    bool m_autoSize = true;
};
