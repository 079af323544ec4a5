#pragma once

#include "tcustomchart.h"

class TLineSeries;

// The profile chart as the program uses it. The constructor gives it the
// program's settings: silver background, a 3D box as deep as a tenth of the
// plot width (Chart3DPercent 100), and its one series, Series1 at index 0: a
// TLineSeries whose faces are hatched diagonally (brush colour 4675956),
// each point in its own colour, series colour red. The owner only fills the
// series and fixes the axis ranges; it adds no series of its own.
class TChart : public TCustomChart {
    Q_OBJECT
public:
    explicit TChart(QWidget* parent = nullptr);

    TLineSeries* Series1() const { return m_series1; }

    // Printing is not built; the margins are kept with the other settings.
    struct PrintMarginsPercent {
        int left = 15;
        int top = 15;
        int right = 15;
        int bottom = 15;
    };
    const PrintMarginsPercent& PrintMargins() const { return m_printMargins; }
    void SetPrintMargins(const PrintMarginsPercent& margins) { m_printMargins = margins; }

private:
    TLineSeries* m_series1 = nullptr;
    PrintMarginsPercent m_printMargins;
};
