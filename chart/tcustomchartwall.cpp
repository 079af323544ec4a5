#include "tcustomchartwall.h"

#include "chartrepaintrequester.h"

TCustomChartWall::TCustomChartWall(TColor colour, bool transparent, bool visible)
    : m_brush(clDefault, bsSolid)
    , m_pen(clBlack, 1, psSolid, true)
    , m_color(colour)
    , m_transparent(transparent)
    , m_visible(visible) {}

void TCustomChartWall::SetColor(TColor colour) {
    if (m_color == colour) return;
    m_color = colour;
    changed();
}

void TCustomChartWall::SetDark3D(bool dark3D) {
    if (m_dark3D == dark3D) return;
    m_dark3D = dark3D;
    changed();
}

void TCustomChartWall::SetSize(int size) {
    if (m_size == size) return;
    m_size = size;
    changed();
}

void TCustomChartWall::SetTransparent(bool transparent) {
    if (m_transparent == transparent) return;
    m_transparent = transparent;
    changed();
}

void TCustomChartWall::SetVisible(bool visible) {
    if (m_visible == visible) return;
    m_visible = visible;
    changed();
}

void TCustomChartWall::setRepaintRequester(ChartRepaintRequester* requester) {
    m_requester = requester;
    m_brush.setRepaintRequester(requester);
    m_pen.setRepaintRequester(requester);
}

void TCustomChartWall::changed() const {
    if (m_requester) m_requester->requestRepaint();
}
