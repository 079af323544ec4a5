#include "tpanel.h"

#include "tcolorpalette.h"

#include <QPainter>

TPanel::TPanel(QWidget* parent)
    : QWidget(parent) {}

void TPanel::SetColor(TColor color) {
    if (color == m_color) return;
    m_color = color;
    update();
}

void TPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect r = rect();
    painter.fillRect(r, toQColor(m_color, palette()));
    painter.setPen(toQColor(clBtnHighlight, palette()));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(toQColor(clBtnShadow, palette()));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}
