#include "tcustomzelpanelextended.h"

TCustomZelPanelExtended::TCustomZelPanelExtended(QWidget* parent)
    : TCustomZelPanel(parent) {
    m_zoom.Pen().setRepaintRequester(this);
}
