#pragma once

#include "tsecondarywindow.h"

class QPushButton;
class TLabel;
class TNumLabel;

// A wall notice: "... vous allez obtenir un wall de" <height> "cm de verticale
// à gauche/droite.", one line, with a "Fermer" button. Tracer writes the height.
class TWallWindow : public TSecondaryWindow {
    Q_OBJECT
public:
    TLabel* textLabel() const { return m_text; }
    TNumLabel* heightField() const { return m_height; }
    TLabel* unitLabel() const { return m_unit; }
    QPushButton* closeButton() const { return m_close; }

protected:
    TWallWindow(const QString& name, const QString& caption, int windowFontHeight,
                const QString& fieldName, const QString& unitText, const QString& buttonName,
                int buttonFontHeight);

private:
    TLabel* m_text;
    TNumLabel* m_height;
    TLabel* m_unit;
    QPushButton* m_close;
};
