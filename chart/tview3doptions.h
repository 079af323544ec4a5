#pragma once

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
    void SetOrthogonal(bool orthogonal) { set(m_orthogonal, orthogonal); }
    int OrthoAngle() const { return m_orthoAngle; }
    void SetOrthoAngle(int degrees) { set(m_orthoAngle, degrees); }
    int Zoom() const { return m_zoom; }
    void SetZoom(int percent) { set(m_zoom, percent); }
    bool ZoomText() const { return m_zoomText; }
    void SetZoomText(bool zoomText) { set(m_zoomText, zoomText); }
    int HorizOffset() const { return m_horizOffset; }
    void SetHorizOffset(int pixels) { set(m_horizOffset, pixels); }
    int VertOffset() const { return m_vertOffset; }
    void SetVertOffset(int pixels) { set(m_vertOffset, pixels); }
    int Rotation() const { return m_rotation; }
    void SetRotation(int degrees) { set(m_rotation, degrees); }
    int Elevation() const { return m_elevation; }
    void SetElevation(int degrees) { set(m_elevation, degrees); }
    int Tilt() const { return m_tilt; }
    void SetTilt(int degrees) { set(m_tilt, degrees); }
    int Perspective() const { return m_perspective; }
    void SetPerspective(int percent) { set(m_perspective, percent); }

    void setRepaintRequester(ChartRepaintRequester* requester) { m_requester = requester; }

private:
    template <class T> void set(T& field, T value) {
        if (field == value) return;
        field = value;
        changed();
    }
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
