#pragma once

#include "tcolor.h"

#include <QImage>

class ChartRepaintRequester;

enum TBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

// A chart brush as settings: colour, style and an optional pattern image
// (which, when set, is the fill pattern whatever the style).
class TChartBrush {
public:
    explicit TChartBrush(TColor colour = clDefault, TBrushStyle style = bsSolid);

    TColor Color() const { return m_color; }
    void SetColor(TColor colour);
    TBrushStyle Style() const { return m_style; }
    void SetStyle(TBrushStyle style);
    const QImage& Image() const { return m_image; }
    void SetImage(const QImage& image);

    void setRepaintRequester(ChartRepaintRequester* requester) { m_requester = requester; }

private:
    void changed() const;

    TColor m_color;
    TBrushStyle m_style;
    QImage m_image;
    ChartRepaintRequester* m_requester = nullptr;
};
