#pragma once

#include "tcolor.h"

class ChartRepaintRequester;

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };
enum TPenMode { pmCopy, pmNotXor, pmXor, pmNot };

// A chart pen as settings: whether it draws, its colour, width, style and mode.
class TChartPen {
public:
    TChartPen(TColor colour = clBlack, int width = 1, TPenStyle style = psSolid,
              bool visible = true);
    virtual ~TChartPen() = default;

    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    TColor Color() const { return m_color; }
    void SetColor(TColor colour);
    int Width() const { return m_width; }
    void SetWidth(int width);
    TPenStyle Style() const { return m_style; }
    void SetStyle(TPenStyle style);
    TPenMode Mode() const { return m_mode; }
    void SetMode(TPenMode mode);

    void setRepaintRequester(ChartRepaintRequester* requester) { m_requester = requester; }

private:
    void changed() const;

    bool m_visible;
    TColor m_color;
    int m_width;
    TPenStyle m_style;
    TPenMode m_mode = pmCopy;
    ChartRepaintRequester* m_requester = nullptr;
};
