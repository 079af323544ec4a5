#pragma once

#include <QLabel>

// A static text of the window layouts. With AutoSize on (the default) it takes
// the width and height of its caption in its own font each time the caption or
// the font changes, and keeps its top-left corner.
class TLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLabel(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption);

    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool on);

    // The size the caption takes in the label's font.
    QSize captionSize() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void fitToCaption();
    bool m_autoSize = true;
};
