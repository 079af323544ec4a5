#pragma once

#include "tcolor.h"

#include <QWidget>

// A panel without caption: its colour, with the raised one-pixel bevel (light
// on the top and left edges, shadow on the bottom and right ones).
class TPanel : public QWidget {
    Q_OBJECT
public:
    explicit TPanel(QWidget* parent = nullptr);

    TColor Color() const { return m_color; }
    void SetColor(TColor color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TColor m_color = clBtnFace;
};
