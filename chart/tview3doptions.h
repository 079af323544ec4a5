#pragma once

#include "assignifchanged.h"

class ChartRepaintRequester;

// The chart's 3D projection settings. With Orthogonal on (always, in this
// program) depth is drawn obliquely at OrthoAngle; Rotation and Elevation only
// choose the clip shape and whether the left wall shows, Tilt and Perspective
// are not used.
class TView3DOptions {
public:
    explicit TView3DOptions(ChartRepaintRequester* requester = nullptr)
        : m_requester(requester) {}

    bool Orthogonal() const { return m_orthogonal; }
    void SetOrthogonal(bool orthogonal) {
        if (assignIfChanged(m_orthogonal, orthogonal)) changed();
    }
    int OrthoAngle() const { return m_orthoAngle; }
    void SetOrthoAngle(int degrees) {
        if (assignIfChanged(m_orthoAngle, degrees)) changed();
    }
    int Zoom() const { return m_zoom; }
    void SetZoom(int percent) {
        if (assignIfChanged(m_zoom, percent)) changed();
    }
    bool ZoomText() const { return m_zoomText; }
    void SetZoomText(bool zoomText) {
        if (assignIfChanged(m_zoomText, zoomText)) changed();
    }
    int HorizOffset() const { return m_horizOffset; }
    void SetHorizOffset(int pixels) {
        if (assignIfChanged(m_horizOffset, pixels)) changed();
    }
    int VertOffset() const { return m_vertOffset; }
    void SetVertOffset(int pixels) {
        if (assignIfChanged(m_vertOffset, pixels)) changed();
    }
    int Rotation() const { return m_rotation; }
    void SetRotation(int degrees) {
        if (assignIfChanged(m_rotation, degrees)) changed();
    }
    int Elevation() const { return m_elevation; }
    void SetElevation(int degrees) {
        if (assignIfChanged(m_elevation, degrees)) changed();
    }
    int Tilt() const { return m_tilt; }
    void SetTilt(int degrees) {
        if (assignIfChanged(m_tilt, degrees)) changed();
    }
    int Perspective() const { return m_perspective; }
    void SetPerspective(int percent) {
        if (assignIfChanged(m_perspective, percent)) changed();
    }

    void setRepaintRequester(ChartRepaintRequester* requester) { m_requester = requester; }

private:
    void changed() const;

    bool m_orthogonal = true;
    int m_orthoAngle = 45;
    int m_zoom = 100;
    bool m_zoomText = true;
    int m_horizOffset = 0;
    int m_vertOffset = 0;
    int m_rotation = 345;
    int m_elevation = 345;
    int m_tilt = 0;
    int m_perspective = 15;
    ChartRepaintRequester* m_requester;
};
