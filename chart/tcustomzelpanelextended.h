#pragma once

#include "chartnavigator.h"
#include "tcustomzelpanel.h"
#include "tzelzoom.h"

#include <Qt>

// Adds the mouse-zoom settings and the panning mode. (The background
// gradient and picture this level could carry are not used by the program
// and not built.)
class TCustomZelPanelExtended : public TCustomZelPanel {
    Q_OBJECT
public:
    explicit TCustomZelPanelExtended(QWidget* parent = nullptr);

    TZelZoom& Zoom() { return m_zoom; }
    const TZelZoom& Zoom() const { return m_zoom; }
    TPanningMode AllowPanning() const { return m_allowPanning; }
    void SetAllowPanning(TPanningMode mode) { m_allowPanning = mode; }
    Qt::MouseButton ScrollMouseButton() const { return m_scrollMouseButton; }
    void SetScrollMouseButton(Qt::MouseButton button) { m_scrollMouseButton = button; }

private:
    TZelZoom m_zoom;
    TPanningMode m_allowPanning = pmBoth;
    Qt::MouseButton m_scrollMouseButton = Qt::RightButton;
};
