#include "savedaxesstate.h"

#include "tchartaxes.h"

void SavedAxesState::save(TChartAxes& axes) {
    const auto side = axes.sideAxes();
    for (size_t i = 0; i < side.size(); ++i) {
        const TChartAxis* axis = side[i];
        m_axes[i] = AxisState{axis->Automatic(), axis->AutomaticMinimum(), axis->AutomaticMaximum(),
                              axis->Minimum(), axis->Maximum()};
    }
    m_saved = true;
}

bool SavedAxesState::restore(TChartAxes& axes) {
    if (!m_saved) return false;
    const auto side = axes.sideAxes();
    for (size_t i = 0; i < side.size(); ++i) {
        TChartAxis* axis = side[i];
        const AxisState& state = m_axes[i];
        // The range first: SetRange clears the automatic flags, which then get
        // their saved values back.
        if (!state.automatic) axis->SetRange(state.minimum, state.maximum);
        axis->SetAutomatic(state.automatic);
        axis->SetAutomaticMinimum(state.automaticMinimum);
        axis->SetAutomaticMaximum(state.automaticMaximum);
    }
    m_saved = false;
    return true;
}
