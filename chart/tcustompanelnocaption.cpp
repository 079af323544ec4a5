#include "tcustompanelnocaption.h"

#include "assignifchanged.h"

TCustomPanelNoCaption::TCustomPanelNoCaption(QWidget* parent)
    : QWidget(parent) {}

void TCustomPanelNoCaption::SetColor(TColor colour) {
    if (assignIfChanged(m_color, colour)) panelChanged();
}

void TCustomPanelNoCaption::SetBevelOuter(TBevelCut bevel) {
    if (assignIfChanged(m_bevelOuter, bevel)) panelChanged();
}

void TCustomPanelNoCaption::SetBevelInner(TBevelCut bevel) {
    if (assignIfChanged(m_bevelInner, bevel)) panelChanged();
}

void TCustomPanelNoCaption::SetBevelWidth(int width) {
    if (assignIfChanged(m_bevelWidth, width)) panelChanged();
}

void TCustomPanelNoCaption::SetBorderWidth(int width) {
    if (assignIfChanged(m_borderWidth, width)) panelChanged();
}
