#pragma once

#include "tchartwall.h"

// The wall at the back of the box; transparent by default, so only its
// outline shows. Transparency is a percentage kept for the settings; a
// transparent wall is not filled at all.
class TChartBackWall : public TChartWall {
public:
    TChartBackWall()
        : TChartWall(clSilver, true, true) {}

    int Transparency() const { return m_transparency; }
    void SetTransparency(int percent) {
        if (m_transparency == percent) return;
        m_transparency = percent;
        changed();
    }

private:
    int m_transparency = 0;
};
