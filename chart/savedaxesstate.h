#pragma once

#include <array>

class TChartAxes;

// The top, left, right and bottom axes' range settings as they were before
// the first zoom or pan, so that undoing a zoom can put them back.
class SavedAxesState {
public:
    bool saved() const { return m_saved; }
    // Takes the axes' settings and marks the state saved.
    void save(TChartAxes& axes);
    // Puts the saved settings back and marks the state not saved; false when
    // nothing was saved.
    bool restore(TChartAxes& axes);

private:
    struct AxisState {
        bool automatic = true;
        bool automaticMinimum = true;
        bool automaticMaximum = true;
        double minimum = 0;
        double maximum = 0;
    };
    bool m_saved = false;
    std::array<AxisState, 4> m_axes; // bottom, top, left, right
};
