#pragma once

#include "tracer.h"

#include <QHash>
#include <QString>

class QWidget;
class TChart;
class TChartAxis;
class TLabel;
class TNumLabel;
class TSecondaryWindow;

// Applies the effects of a Tracer run, in their order, to the controls they
// name: the numeric fields of the main window, the labels and fields of the
// notice windows, and the chart. A chart setter that refuses a value stops it
// there (its exception goes on); after the effects, the run's own error, if
// any, is raised.
class TracerApplier {
public:
    // The main window, whose numeric fields are found by object name.
    void setFieldsRoot(QWidget* root) { m_fieldsRoot = root; }
    // A notice window, found by its object name.
    void addWindow(TSecondaryWindow* window);
    void setChart(TChart* chart) { m_chart = chart; }

    void apply(const TracerRun& run) const;

private:
    void applyEffect(const TracerEffect& effect) const;
    TSecondaryWindow* window(const QString& name) const;
    TChartAxis* axis(TracerAxis which) const;

    QWidget* m_fieldsRoot = nullptr;
    QHash<QString, TSecondaryWindow*> m_windows;
    TChart* m_chart = nullptr;
};
