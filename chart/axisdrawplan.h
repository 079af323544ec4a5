#pragma once

#include <QList>
#include <QString>

// One value label of an axis: its value, the pixel it sits at along the axis,
// and its text.
struct AxisLabel {
    double value = 0;
    int pixel = 0;
    QString text;
};

// What one drawing of an axis puts where, along the axis: labels in drawing
// order, the recorded tick positions, the grid lines and the minor ticks.
struct AxisDrawPlan {
    static constexpr int MaxTickPositions = 2000;

    QList<AxisLabel> labels;
    QList<int> ticks;
    QList<int> grid;
    QList<int> minorTicks;
};
