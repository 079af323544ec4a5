#include "profilechartsetup.h"

#include "quarvelerror.h"
#include "tchartaxis.h"

double equalScaleMaximum(qint32 plotHeight, double bottomMaximum, qint32 plotWidth) {
    const long double numerator = (long double)plotHeight * (long double)bottomMaximum;
    if (plotWidth == 0) {
        // What the floating-point unit reports for x/0 and 0/0.
        throw QuarvelError(numerator == 0
                               ? QStringLiteral("Opération en virgule flottante incorrecte")
                               : QStringLiteral("Division par zéro en virgule flottante"));
    }
    return double(numerator / (long double)plotWidth);
}

void setUpProfileChart(TChartSeries& series, TChartAxis& bottomAxis, TChartAxis& leftAxis,
                       double totalLength, qint32 plotWidth, qint32 plotHeight) {
    series.ClearValues();
    bottomAxis.SetAutomatic(false);
    bottomAxis.SetMaximum(totalLength);
    bottomAxis.SetMinimum(0);
    leftAxis.SetAutomatic(false);
    leftAxis.SetMaximum(equalScaleMaximum(plotHeight, bottomAxis.Maximum(), plotWidth));
    leftAxis.SetMinimum(0);
}
