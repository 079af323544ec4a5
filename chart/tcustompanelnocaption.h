#pragma once

#include "tcolor.h"

#include <QWidget>

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// A panel without a caption: its colour, outer and inner bevels and the band
// between them. What it looks like is drawn by the classes above it.
class TCustomPanelNoCaption : public QWidget {
    Q_OBJECT
public:
    explicit TCustomPanelNoCaption(QWidget* parent = nullptr);

    TColor Color() const { return m_color; }
    void SetColor(TColor colour);
    TBevelCut BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TBevelCut bevel);
    TBevelCut BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TBevelCut bevel);
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int width);

protected:
    // A setting that shows changed.
    virtual void panelChanged() { update(); }

private:
    TColor m_color = clBtnFace;
    TBevelCut m_bevelOuter = bvRaised;
    TBevelCut m_bevelInner = bvNone;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
};
