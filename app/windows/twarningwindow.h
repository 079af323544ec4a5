#pragma once

#include "tsecondarywindow.h"

class QPushButton;
class TLabel;

// A proportion warning: one auto-sized line, empty until the Tracer command
// writes it, and a "Fermer" button.
class TWarningWindow : public TSecondaryWindow {
    Q_OBJECT
public:
    TLabel* warningLabel() const { return m_label; }
    QPushButton* closeButton() const { return m_close; }

protected:
    TWarningWindow(const QString& name, const QString& caption, const QString& labelName,
                   QPoint labelPosition);

private:
    TLabel* m_label;
    QPushButton* m_close;
};
