#pragma once

#include "tview3doptions.h"
#include "tzelcanvas.h"

// A canvas that knows the chart's 3D view settings: whether the paint in
// progress is in 3D and whether it uses the oblique projection.
class TCanvas3D : public TZelCanvas {
public:
    bool is3D() const { return m_3DActive; }
    bool oblique() const { return m_oblique; }
    const TView3DOptions& view3DOptions() const { return m_options; }

protected:
    void setView(const TView3DOptions& options, bool active3D) {
        m_options.SetOrthogonal(options.Orthogonal());
        m_options.SetOrthoAngle(options.OrthoAngle());
        m_options.SetZoom(options.Zoom());
        m_options.SetZoomText(options.ZoomText());
        m_options.SetHorizOffset(options.HorizOffset());
        m_options.SetVertOffset(options.VertOffset());
        m_options.SetRotation(options.Rotation());
        m_options.SetElevation(options.Elevation());
        m_options.SetTilt(options.Tilt());
        m_options.SetPerspective(options.Perspective());
        m_3DActive = active3D;
        m_oblique = active3D && options.Orthogonal();
    }

private:
    TView3DOptions m_options; // a copy taken at the start of each paint
    bool m_3DActive = false;
    bool m_oblique = false;
};
