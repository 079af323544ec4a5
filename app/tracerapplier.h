#pragma once

#include "tracer.h"

#include <array>

class QWidget;
class TChart;
class TChartAxis;
class TLabel;
class TNumLabel;
class TSecondaryWindow;

// Applies the effects of a Tracer run, in their order, to the controls they
// target: the numeric fields of the main window, the labels and fields of the
// notice windows, and the chart. A chart setter that refuses a value stops it
// there (its exception goes on); after the effects, the run's own error, if
// any, is raised. A target with no control behind it is reported as a missing
// control when an effect reaches it.
class TracerApplier {
public:
    // The main window: each field target is looked up once, by its name.
    void setFieldsRoot(QWidget* root);
    // A notice window, recognised by its object name, with its label or field.
    void addWindow(TSecondaryWindow* window);
    void setChart(TChart* chart) { m_chart = chart; }

    void apply(const TracerRun& run) const;

private:
    struct NoticeControls {
        TSecondaryWindow* window = nullptr;
        TLabel* label = nullptr;    // text notices
        TNumLabel* field = nullptr; // wall notices
    };

    void applyEffect(const TracerEffect& effect) const;
    TNumLabel* field(TracerField target) const;
    const NoticeControls& notice(TracerNotice target) const;
    TChart* chart() const;
    TChartAxis* axis(TracerAxis which) const;

    // The table from targets to controls, indexed by the enumerations.
    std::array<TNumLabel*, tracerFieldCount> m_fields{};
    std::array<NoticeControls, tracerNoticeCount> m_notices{};
    TChart* m_chart = nullptr;
};
