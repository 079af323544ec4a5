#include "axisexception.h"
#include "modeltestsupport.h"
#include "tchartaxes.h"
#include "tchartaxis.h"
#include "tchartseries.h"

#include <cmath>
#include <QTest>

namespace {

// An axis fixed to min..max and laid out along rect.
void fix(TChartAxis& axis, double min, double max, const ChartRect& rect) {
    axis.SetAutomatic(false);
    if (max >= axis.Minimum()) {
        axis.SetMaximum(max);
        axis.SetMinimum(min);
    } else {
        axis.SetMinimum(min);
        axis.SetMaximum(max);
    }
    axis.adjustRange({});
    axis.calcPixelSpan(rect);
}

NumberFormatSettings separators(QChar decimal, QChar thousands) {
    NumberFormatSettings s;
    s.decimalSeparator = decimal;
    s.thousandsSeparator = thousands;
    return s;
}

} // namespace

class TestChartAxis : public QObject {
    Q_OBJECT
private slots:
    void refusedSettersKeepTheValue_data() {
        QTest::addColumn<bool>("setMaximum");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("maximum 150 below minimum 200")
            << true << 150.0 << QStringLiteral("Axis Maximum Value must be >= Minimum");
        QTest::newRow("minimum 350 above maximum 300")
            << false << 350.0 << QStringLiteral("Axis Minimum Value must be <= Maximum");
    }
    void refusedSettersKeepTheValue() {
        QFETCH(bool, setMaximum);
        QFETCH(double, value);
        CountingRequester chart;
        TChartAxis axis(true, false, &chart);
        axis.SetMaximum(300);
        axis.SetMinimum(200);
        chart.requests = 0;
        try {
            if (setMaximum)
                axis.SetMaximum(value);
            else
                axis.SetMinimum(value);
            QFAIL("no exception");
        } catch (const AxisException& e) {
            QTEST(e.message(), "message");
        }
        QCOMPARE(axis.Minimum(), 200.0);
        QCOMPARE(axis.Maximum(), 300.0);
        QCOMPARE(chart.requests, 0);
    }

    void lowerMinimumFirstThenMaximumSucceeds() {
        TChartAxis axis(true, false);
        axis.SetMaximum(300);
        axis.SetMinimum(200);
        axis.SetMinimum(0);
        axis.SetMaximum(150);
        QCOMPARE(axis.Maximum(), 150.0);
        axis.SetMaximum(0); // equal ends are allowed
        QCOMPARE(axis.Maximum(), 0.0);
    }

    void automaticSetsBothEnds() {
        CountingRequester chart;
        TChartAxis axis(false, false, &chart);
        axis.SetAutomatic(false);
        QVERIFY(!axis.AutomaticMinimum() && !axis.AutomaticMaximum());
        QCOMPARE(chart.requests, 1);
        axis.SetAutomatic(false);
        QCOMPARE(chart.requests, 1);
        axis.SetAutomaticMinimum(true);
        axis.SetAutomatic(false);
        QVERIFY(!axis.AutomaticMinimum());
        QCOMPARE(chart.requests, 3);
    }

    void setRange_data() {
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("storedMin");
        QTest::addColumn<double>("storedMax");
        QTest::newRow("plain") << 2.0 << 5.0 << 2.0 << 5.0;
        QTest::newRow("reversed ends are swapped") << 5.0 << 2.0 << 2.0 << 5.0;
        QTest::newRow("empty range widened") << 3.0 << 3.0 << 3.0 << 3.0 + 1e-10;
        QTest::newRow("too narrow widened") << 1.0 << 1.0 + 1e-11 << 1.0 << 1.0 + 1e-10;
        QTest::newRow("may cross the old ends") << 500.0 << 900.0 << 500.0 << 900.0;
    }
    void setRange() {
        QFETCH(double, min);
        QFETCH(double, max);
        CountingRequester chart;
        TChartAxis axis(true, false, &chart);
        axis.SetMaximum(100);
        chart.requests = 0;
        axis.SetRange(min, max);
        QTEST(axis.Minimum(), "storedMin");
        QTEST(axis.Maximum(), "storedMax");
        QVERIFY(!axis.Automatic() && !axis.AutomaticMinimum() && !axis.AutomaticMaximum());
        QCOMPARE(chart.requests, 1);
        axis.SetRange(min, max);
        QCOMPARE(chart.requests, 1);
    }

    void automaticRangeFollowsTheSeries_data() {
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<bool>("secondActive");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::newRow("x of the active series") << true << false << 10.0 << 50.0;
        QTest::newRow("x of both") << true << true << 0.0 << 60.0;
        QTest::newRow("y of the active series") << false << false << -5.0 << 5.0;
        QTest::newRow("y of both") << false << true << -5.0 << 90.0;
    }
    void automaticRangeFollowsTheSeries() {
        QFETCH(bool, horizontal);
        QFETCH(bool, secondActive);
        TChartSeries a, b, empty;
        a.AddPoint(10, -5, QString(), clBlack);
        a.AddPoint(50, 5, QString(), clBlack);
        b.AddPoint(0, 90, QString(), clBlack);
        b.AddPoint(60, 20, QString(), clBlack);
        b.SetActive(secondActive);
        TChartAxis axis(horizontal, false);
        axis.adjustRange({&empty, &a, &b});
        QTEST(axis.Minimum(), "min");
        QTEST(axis.Maximum(), "max");
        QCOMPARE(axis.workingMinimum(), axis.Minimum());
        QCOMPARE(axis.range(), axis.Maximum() - axis.Minimum());
    }

    void automaticRangeWithoutPointsIsZero() {
        TChartSeries empty;
        TChartAxis axis(true, false);
        axis.SetRange(4, 8);
        axis.SetAutomatic(true);
        axis.adjustRange({&empty});
        QCOMPARE(axis.Minimum(), 0.0);
        QCOMPARE(axis.Maximum(), 0.0);
        QVERIFY(axis.rangeZero());
    }

    void oneAutomaticEnd() {
        TChartSeries s;
        s.AddPoint(10, 0, QString(), clBlack);
        s.AddPoint(40, 0, QString(), clBlack);
        TChartAxis axis(true, false);
        axis.SetRange(-3, 5);
        axis.SetAutomaticMaximum(true);
        axis.adjustRange({&s});
        QCOMPARE(axis.Minimum(), -3.0);
        QCOMPARE(axis.Maximum(), 40.0);
    }

    void valueToPixel_data() {
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<bool>("inverted");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("pixel");
        // Laid out along (27, 19, 873, 446).
        QTest::newRow("bottom start") << true << false << 0.0 << 600.0 << 0.0 << 27;
        QTest::newRow("bottom end") << true << false << 0.0 << 600.0 << 600.0 << 873;
        QTest::newRow("bottom middle") << true << false << 0.0 << 600.0 << 300.0 << 450;
        QTest::newRow("bottom inverted") << true << true << 0.0 << 600.0 << 0.0 << 873;
        QTest::newRow("left bottom edge") << false << false << 0.0 << 300.0 << 0.0 << 446;
        QTest::newRow("left top edge") << false << false << 0.0 << 300.0 << 300.0 << 19;
        // 446 - 213.5: the half goes to the even pixel.
        QTest::newRow("left half pixel to even") << false << false << 0.0 << 300.0 << 150.0 << 232;
        QTest::newRow("left inverted") << false << true << 0.0 << 300.0 << 300.0 << 446;
        QTest::newRow("range zero: centre") << true << false << 5.0 << 5.0 << 123.0 << 450;
        QTest::newRow("range zero vertical: centre") << false << false << 0.0 << 0.0 << 0.0 << 232;
        QTest::newRow("clamped high") << true << false << 0.0 << 1.0 << 1e12 << 67108863;
        QTest::newRow("clamped low") << false << false << 0.0 << 1.0 << 1e12 << -67108863;
    }
    void valueToPixel() {
        QFETCH(bool, horizontal);
        QFETCH(bool, inverted);
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(double, value);
        TChartAxis axis(horizontal, false);
        axis.SetInverted(inverted);
        fix(axis, min, max, ChartRect{27, 19, 873, 446});
        QTEST(axis.ValueToPixel(value), "pixel");
    }

    void pixelToValueRoundTrip_data() {
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<bool>("inverted");
        QTest::newRow("horizontal") << true << false;
        QTest::newRow("vertical") << false << false;
        QTest::newRow("horizontal inverted") << true << true;
        QTest::newRow("vertical inverted") << false << true;
    }
    void pixelToValueRoundTrip() {
        QFETCH(bool, horizontal);
        QFETCH(bool, inverted);
        TChartAxis axis(horizontal, false);
        axis.SetInverted(inverted);
        fix(axis, -40, 1234, ChartRect{27, 19, 873, 446});
        for (int p = axis.spanStart(); p <= axis.spanEnd(); p += 7)
            QCOMPARE(axis.ValueToPixel(axis.PixelToValue(p)), p);
        const double perPixel = 1274.0 / axis.spanSize();
        for (double v : {-40.0, 0.0, 333.3, 1234.0})
            QVERIFY(std::fabs(axis.PixelToValue(axis.ValueToPixel(v)) - v) <= perPixel / 2 + 1e-9);
        // The start pixel gives the low end along the axis' direction.
        const double atStart = axis.PixelToValue(axis.spanStart());
        QCOMPARE(atStart, horizontal != inverted ? -40.0 : 1234.0);
    }

    void pixelToValueOnAnEmptySpan() {
        TChartAxis axis(true, false);
        fix(axis, 0, 100, ChartRect{10, 10, 10, 50});
        QCOMPARE(axis.PixelToValue(10), 0.0);
    }

    void nextLabelStep_data() {
        QTest::addColumn<double>("step");
        QTest::addColumn<double>("next");
        QTest::newRow("1") << 1.0 << 2.0;
        QTest::newRow("2") << 2.0 << 5.0;
        QTest::newRow("5") << 5.0 << 10.0;
        QTest::newRow("10") << 10.0 << 20.0;
        QTest::newRow("0.5") << 0.5 << 1.0;
        QTest::newRow("3") << 3.0 << 5.0;
        QTest::newRow("7") << 7.0 << 10.0;
        QTest::newRow("12") << 12.0 << 20.0;
        QTest::newRow("0.3") << 0.3 << 0.5;
        QTest::newRow("20") << 20.0 << 50.0;
        QTest::newRow("50") << 50.0 << 100.0;
        QTest::newRow("0.2") << 0.2 << 0.5;
        QTest::newRow("0.1") << 0.1 << 0.2;
    }
    void nextLabelStep() {
        QFETCH(double, step);
        QFETCH(double, next);
        QCOMPARE(TChartAxis::NextLabelStep(step), next);
    }

    void maxLabelCount_data() {
        QTest::addColumn<int>("separation");
        QTest::addColumn<int>("labelWidth");
        QTest::addColumn<int>("count");
        QTest::newRow("10 % of 20 px: 800 / 22") << 10 << 20 << 36;
        QTest::newRow("no separation: 800 / 20") << 0 << 20 << 40;
        QTest::newRow("negative separation: 800 / 20") << -5 << 20 << 40;
        QTest::newRow("50 %: 800 / 30, to even") << 50 << 20 << 27;
        QTest::newRow("800 / 64 = 12.5 goes to even") << 0 << 64 << 12;
        // 10 × 0.01 × 15 is a hair below 1.5 in extended precision: gap 16.
        QTest::newRow("10 % of 15 px rounds down") << 10 << 15 << 50;
        QTest::newRow("no label size") << 10 << 0 << 1;
    }
    void maxLabelCount() {
        QFETCH(int, separation);
        QFETCH(int, labelWidth);
        TChartAxis axis(true, false);
        axis.SetLabelsSeparation(separation);
        fix(axis, 0, 600, ChartRect{0, 0, 800, 400});
        QTEST(axis.MaxLabelCount(FakeTextMeasurer(6, 13, labelWidth)), "count");
    }

    void labelIncrement_data() {
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("increment");
        QTest::addColumn<int>("plotWidth");
        QTest::addColumn<double>("step");
        QTest::newRow("600 cm over 800 px") << 600.0 << 0.0 << 800 << 20.0;
        QTest::newRow("wished step taken when it fits") << 600.0 << 50.0 << 800 << 50.0;
        QTest::newRow("wished step too small grows") << 600.0 << 3.0 << 800 << 20.0;
        QTest::newRow("range below one") << 0.5 << 0.0 << 800 << 0.02;
        QTest::newRow("range zero") << 0.0 << 0.0 << 800 << 1e-12;
        QTest::newRow("no room for a label") << 600.0 << 0.0 << 10 << 1e-12;
    }
    void labelIncrement() {
        QFETCH(double, max);
        QFETCH(double, increment);
        QFETCH(int, plotWidth);
        QFETCH(double, step);
        TChartAxis axis(true, false);
        axis.SetIncrement(increment);
        fix(axis, 0, max, ChartRect{0, 0, plotWidth, 400});
        const double got = axis.LabelIncrement(FakeTextMeasurer(6, 13, 20));
        QVERIFY2(std::fabs(got - step) <= step * 1e-9, qPrintable(QString::number(got, 'g', 17)));
    }

    void example600OverAbout800Pixels() {
        TChartAxis axis(true, false);
        fix(axis, 0, 600, ChartRect{0, 0, 800, 400});
        const FakeTextMeasurer labels20(6, 13, 20);
        QCOMPARE(axis.MaxLabelCount(labels20), 36);
        QCOMPARE(axis.LabelIncrement(labels20), 20.0);
        const AxisDrawPlan plan = axis.drawPlan(labels20);
        QCOMPARE(plan.labels.size(), 31);
        for (int i = 0; i < 31; ++i) {
            QCOMPARE(plan.labels[i].value, 600.0 - 20 * i);
            QCOMPARE(plan.labels[i].text, QString::number(600 - 20 * i));
        }
        QCOMPARE(plan.labels.first().pixel, 800);
        QCOMPARE(plan.labels[1].pixel, 773); // 580 × 4/3 = 773.3
        QCOMPARE(plan.labels.last().pixel, 0);
        QCOMPARE(plan.ticks.size(), 31);
        // Grid lines only strictly inside the span: not on 0 nor on 600.
        QCOMPARE(plan.grid.size(), 29);
        QVERIFY(!plan.grid.contains(0) && !plan.grid.contains(800));
        // Three minor ticks in each of the 30 intervals; none beyond the ends.
        QCOMPARE(plan.minorTicks.size(), 90);
        QVERIFY(plan.minorTicks.contains(793)); // 800 - round(26.67 / 4)
    }

    void labelValues_data() {
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("step");
        QTest::addColumn<bool>("roundFirst");
        QTest::addColumn<QList<double>>("values");
        QTest::newRow("rounded first label")
            << 0.0 << 95.0 << 20.0 << true << QList<double>{80, 60, 40, 20, 0};
        QTest::newRow("stops at the minimum")
            << 13.0 << 95.0 << 20.0 << true << QList<double>{80, 60, 40, 20};
        QTest::newRow("not rounded: from the maximum")
            << 0.0 << 95.0 << 20.0 << false << QList<double>{95, 75, 55, 35, 15};
        QTest::newRow("across zero")
            << -50.0 << 50.0 << 25.0 << true << QList<double>{50, 25, 0, -25, -50};
        QTest::newRow("negative maximum rounds toward zero then steps down")
            << -95.0 << -5.0 << 20.0 << true << QList<double>{-20, -40, -60, -80};
        QTest::newRow("range zero: one label") << 5.0 << 5.0 << 1e-12 << true << QList<double>{5};
        QTest::newRow("no positive step") << 0.0 << 10.0 << 0.0 << true << QList<double>{};
        QTest::newRow("10000 intervals: none") << 0.0 << 10000.0 << 1.0 << true << QList<double>{};
        QTest::newRow("step too small to show: one label")
            << 1e6 << 1e6 + 5e-8 << 1e-11 << true << QList<double>{1e6};
    }
    void labelValues() {
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(double, step);
        QFETCH(bool, roundFirst);
        QFETCH(QList<double>, values);
        TChartAxis axis(true, false);
        axis.SetRoundFirstLabel(roundFirst);
        fix(axis, min, max, ChartRect{0, 0, 800, 400});
        const QList<double> got = axis.labelValues(step);
        QCOMPARE(got.size(), values.size());
        for (qsizetype i = 0; i < got.size(); ++i)
            QVERIFY(std::fabs(got[i] - values[i]) < 1e-9 * std::max(1.0, std::fabs(values[i])));
    }

    void rangeNarrowerThanMinAxisRangeGivesOneLabel() {
        TChartAxis axis(true, false);
        fix(axis, 1, 1 + 5e-11, ChartRect{0, 0, 800, 400});
        QCOMPARE(axis.labelValues(1e-12).size(), 1);
    }

    void labelsJustBelowTheIntervalLimit() {
        TChartAxis axis(true, false);
        fix(axis, 0, 9999, ChartRect{0, 0, 800, 400});
        QCOMPARE(axis.labelValues(1).size(), 10000);
    }

    void tickPositionsAreCappedAt2000() {
        TChartAxis axis(true, false);
        fix(axis, 0, 5000, ChartRect{0, 0, 100000, 400});
        const FakeTextMeasurer narrow(1, 13, 1);
        QCOMPARE(axis.LabelIncrement(narrow), 1.0);
        const AxisDrawPlan plan = axis.drawPlan(narrow);
        QCOMPARE(plan.labels.size(), 5001);
        QCOMPARE(plan.ticks.size(), AxisDrawPlan::MaxTickPositions);
    }

    void noLabelsMeansNoTicks() {
        TChartAxis axis(true, false);
        axis.SetLabels(false);
        fix(axis, 0, 600, ChartRect{0, 0, 800, 400});
        const AxisDrawPlan plan = axis.drawPlan(FakeTextMeasurer());
        QVERIFY(plan.labels.isEmpty() && plan.ticks.isEmpty() && plan.grid.isEmpty());
        // Ticks without labels when they are not tied to labels.
        axis.SetTickOnLabelsOnly(false);
        const AxisDrawPlan untied = axis.drawPlan(FakeTextMeasurer());
        QVERIFY(untied.labels.isEmpty());
        QCOMPARE(untied.ticks.size(), 31);
    }

    void minorTicks_data() {
        QTest::addColumn<QList<int>>("ticks");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("spanEnd");
        QTest::addColumn<QList<int>>("minor");
        QTest::newRow("quarters, continued both ways")
            << QList<int>{100, 200} << 3 << 300
            << QList<int>{75, 50, 25, 125, 150, 175, 225, 250, 275};
        QTest::newRow("only strictly inside the span")
            << QList<int>{100, 200} << 3 << 250 << QList<int>{75, 50, 25, 125, 150, 175, 225};
        QTest::newRow("falling positions")
            << QList<int>{200, 100} << 1 << 300 << QList<int>{250, 150, 50};
        QTest::newRow("offsets rounded per tick, halves to even")
            << QList<int>{10, 20} << 3 << 30 << QList<int>{8, 5, 2, 12, 15, 18, 22, 25, 28};
        QTest::newRow("one position: none") << QList<int>{100} << 3 << 300 << QList<int>{};
        QTest::newRow("no minor ticks asked") << QList<int>{100, 200} << 0 << 300 << QList<int>{};
    }
    void minorTicks() {
        QFETCH(QList<int>, ticks);
        QFETCH(int, count);
        QFETCH(int, spanEnd);
        QTEST(TChartAxis::minorTickPositions(ticks, count, 0, spanEnd), "minor");
    }

    void labelText_data() {
        QTest::addColumn<QChar>("decimal");
        QTest::addColumn<QChar>("thousands");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        const QChar comma(','), dot('.'), space(' ');
        QTest::newRow("comma locale grouping") << comma << dot << 1234567.25 << "1.234.567,25";
        QTest::newRow("comma locale three decimals") << comma << dot << 0.12345 << "0,123";
        QTest::newRow("comma locale negative") << comma << space << -1500.5 << "-1 500,5";
        QTest::newRow("trailing zeros dropped") << comma << dot << 2.5000 << "2,5";
        QTest::newRow("bare separator dropped") << comma << dot << 1000.0 << "1.000";
        QTest::newRow("rounded to three decimals") << dot << comma << 0.0005 << "0.001";
        QTest::newRow("dot locale") << dot << comma << 1234567.25 << "1,234,567.25";
        QTest::newRow("zero") << dot << comma << 0.0 << "0";
        QTest::newRow("tiny negative shows no sign") << dot << comma << -2.7e-17 << "0";
    }
    void labelText() {
        QFETCH(QChar, decimal);
        QFETCH(QChar, thousands);
        QFETCH(double, value);
        TChartAxis axis(true, false);
        axis.setLabelFormatSettings(separators(decimal, thousands));
        QTEST(axis.labelText(value), "text");
    }

    void labelSpace_data() {
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<double>("max");
        QTest::addColumn<int>("space");
        // 427 px / (13 + 1) rounds to 30 labels; steps of 10 reach 300.
        QTest::newRow("vertical: widest label and a space") << false << 300.0 << 3 * 6 + 6;
        QTest::newRow("vertical: label on the rounded top") << false << 305.0 << 3 * 6 + 6;
        QTest::newRow("vertical: grouped label") << false << 1234.5 << 5 * 6 + 6;
        QTest::newRow("horizontal: height of W") << true << 600.0 << 13;
    }
    void labelSpace() {
        QFETCH(bool, horizontal);
        QFETCH(double, max);
        TChartAxis axis(horizontal, false);
        axis.setLabelFormatSettings(separators('.', ','));
        fix(axis, 0, max, ChartRect{27, 19, 873, 446});
        const FakeTextMeasurer measurer(6, 13);
        QTEST(axis.labelSpace(measurer), "space");
        QCOMPARE(axis.lineAndTickSpace(), 7);
    }

    void takeSpaceFromItsOwnSide_data() {
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<bool>("otherSide");
        QTest::addColumn<ChartRect>("after");
        const int h = 13 + 7;
        QTest::newRow("bottom") << true << false << ChartRect{27, 19, 873, 446 - h};
        QTest::newRow("top") << true << true << ChartRect{27, 19 + h, 873, 446};
        QTest::newRow("left") << false << false << ChartRect{27 + 31, 19, 873, 446};
        QTest::newRow("right") << false << true << ChartRect{27, 19, 873 - 31, 446};
    }
    void takeSpaceFromItsOwnSide() {
        QFETCH(bool, horizontal);
        QFETCH(bool, otherSide);
        TChartAxis axis(horizontal, otherSide);
        fix(axis, 0, 300, ChartRect{27, 19, 873, 446});
        ChartRect rect{27, 19, 873, 446};
        axis.takeSpace(rect, FakeTextMeasurer(6, 13));
        QTEST(rect, "after");
    }

    void settersRequestRepaintOnlyOnChange() {
        CountingRequester chart;
        TChartAxis axis(true, false, &chart);
        axis.SetLabels(true);
        axis.SetMinimum(0);
        axis.Grid().SetColor(clGray);
        QCOMPARE(chart.requests, 0);
        axis.SetLabels(false);
        axis.Grid().SetColor(clRed);
        axis.LabelsFont().SetSize(10);
        axis.Title().SetCaption(QStringLiteral("cm"));
        QCOMPARE(chart.requests, 4);
    }

    void axesAreBuiltWithoutRepaintRequests() {
        CountingRequester chart;
        TChartAxes axes(&chart);
        QCOMPARE(chart.requests, 0);
        QCOMPARE(axes.Left()->Title().Angle(), 90);
        QCOMPARE(axes.Right()->Title().Angle(), 270);
        QVERIFY(!axes.Depth()->Visible());
        // ...but they are attached to the chart.
        axes.Depth()->Grid().SetColor(clRed);
        axes.Right()->Title().SetAngle(0);
        QCOMPARE(chart.requests, 2);
    }
};

Q_DECLARE_METATYPE(ChartRect)
QTEST_MAIN(TestChartAxis)
#include "test_chartaxis.moc"
