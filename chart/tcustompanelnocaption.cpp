#include "tcustompanelnocaption.h"

TCustomPanelNoCaption::TCustomPanelNoCaption(QWidget* parent)
    : QWidget(parent) {}

void TCustomPanelNoCaption::SetColor(TColor colour) {
    set(m_color, colour);
}

void TCustomPanelNoCaption::SetBevelOuter(TBevelCut bevel) {
    set(m_bevelOuter, bevel);
}

void TCustomPanelNoCaption::SetBevelInner(TBevelCut bevel) {
    set(m_bevelInner, bevel);
}

void TCustomPanelNoCaption::SetBevelWidth(int width) {
    set(m_bevelWidth, width);
}

void TCustomPanelNoCaption::SetBorderWidth(int width) {
    set(m_borderWidth, width);
}
