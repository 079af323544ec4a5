#include "chartlayout.h"
#include "modeltestsupport.h"
#include "tchartaxes.h"
#include "tchartseries.h"

#include <QTest>

Q_DECLARE_METATYPE(ChartRect)

namespace {

ChartLayoutSettings programChart(bool view3D) {
    ChartLayoutSettings s;
    s.width = 900;
    s.height = 465;
    s.view3D = view3D;
    s.chart3DPercent = 100;
    return s;
}

void fixRange(TChartAxis& axis, double max) {
    axis.SetAutomatic(false);
    axis.SetMaximum(max);
    axis.SetMinimum(0);
}

} // namespace

class TestChartLayout : public QObject {
    Q_OBJECT
private slots:
    void mulDivRoundsHalvesAwayFromZero_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("result");
        QTest::newRow("3 % of 900") << 3 << 900 << 100 << 27;
        QTest::newRow("4 % of 465 = 18.6") << 4 << 465 << 100 << 19;
        QTest::newRow("0.5 up") << 1 << 50 << 100 << 1;
        QTest::newRow("2.5 up, not to even") << 1 << 250 << 100 << 3;
        QTest::newRow("-0.5 away from zero") << -1 << 50 << 100 << -1;
        QTest::newRow("-2.5 away from zero") << 1 << 250 << -100 << -3;
        QTest::newRow("0.4 down") << 4 << 10 << 100 << 0;
        QTest::newRow("large product") << 2000000000 << 3 << 4 << 1500000000;
        QTest::newRow("division by zero") << 3 << 900 << 0 << -1;
        QTest::newRow("overflow") << 2000000000 << 4 << 2 << -1;
    }
    void mulDivRoundsHalvesAwayFromZero() {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        QTEST(mulDiv(a, b, c), "result");
    }

    void margins() {
        QCOMPARE(marginRect(900, 465, 0, ChartMargins()), (ChartRect{27, 19, 873, 446}));
        QCOMPARE(marginRect(900, 465, 2, ChartMargins()), (ChartRect{29, 21, 871, 444}));
    }

    void normalise_data() {
        QTest::addColumn<ChartRect>("rect");
        QTest::addColumn<ChartRect>("normalised");
        QTest::newRow("already fine") << ChartRect{27, 19, 873, 446} << ChartRect{27, 19, 873, 446};
        QTest::newRow("left and top raised to the bounds")
            << ChartRect{-5, -3, 873, 446} << ChartRect{0, 0, 873, 446};
        QTest::newRow("right before left: one pixel")
            << ChartRect{50, 19, 40, 446} << ChartRect{50, 19, 51, 446};
        QTest::newRow("right on left: the chart width")
            << ChartRect{50, 19, 50, 446} << ChartRect{50, 19, 950, 446};
        QTest::newRow("bottom above top: one pixel")
            << ChartRect{27, 100, 873, 90} << ChartRect{27, 100, 873, 101};
        QTest::newRow("bottom on top: the chart height")
            << ChartRect{27, 100, 873, 100} << ChartRect{27, 100, 873, 565};
    }
    void normalise() {
        QFETCH(ChartRect, rect);
        normalisePlotRect(rect, ChartRect{0, 0, 900, 465});
        QTEST(rect, "normalised");
    }

    void depth_data() {
        QTest::addColumn<int>("plotWidth");
        QTest::addColumn<bool>("view3D");
        QTest::addColumn<int>("percent");
        QTest::addColumn<bool>("orthogonal");
        QTest::addColumn<int>("angle");
        QTest::addColumn<int>("depthSlots");
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("rise");
        QTest::addColumn<int>("total");
        QTest::newRow("84.6 gives 85, not 84")
            << 846 << true << 100 << true << 45 << 1 << 85 << 85 << 85;
        QTest::newRow("84.5 goes to even")
            << 845 << true << 100 << true << 45 << 1 << 84 << 84 << 84;
        // 855 × (100 × 0.001) is a hair below 85.5 in extended precision.
        QTest::newRow("85.5 in extended stays below the half")
            << 855 << true << 100 << true << 45 << 1 << 85 << 85 << 85;
        QTest::newRow("2D: none") << 846 << false << 100 << true << 45 << 1 << 0 << 0 << 0;
        QTest::newRow("15 %") << 846 << true << 15 << true << 45 << 1 << 13 << 13 << 13;
        QTest::newRow("steep angle shortens the depth")
            << 846 << true << 100 << true << 60 << 1 << 49 << 85 << 49;
        QTest::newRow("shallow angle lowers the rise")
            << 846 << true << 100 << true << 30 << 1 << 85 << 49 << 85;
        QTest::newRow("flat angle: no rise")
            << 846 << true << 100 << true << 0 << 1 << 85 << 0 << 85;
        QTest::newRow("90 degrees: no depth at all")
            << 846 << true << 100 << true << 90 << 1 << 0 << 0 << 0;
        QTest::newRow("not orthogonal: doubled, rise equal")
            << 846 << true << 100 << false << 45 << 1 << 169 << 169 << 169;
        QTest::newRow("two slots") << 846 << true << 100 << true << 45 << 2 << 85 << 85 << 170;
    }
    void depth() {
        QFETCH(int, plotWidth);
        QFETCH(bool, view3D);
        QFETCH(int, percent);
        QFETCH(bool, orthogonal);
        QFETCH(int, angle);
        QFETCH(int, depthSlots);
        const ChartDepth d =
            computeDepth(plotWidth, view3D, percent, orthogonal, angle, depthSlots);
        QTEST(d.seriesDepth, "depth");
        QTEST(d.seriesDepthRise, "rise");
        QTEST(d.totalDepth, "total");
        QCOMPARE(d.totalDepthRise, d.depthSlots * d.seriesDepthRise);
    }

    void programChartBeforeTheAxes_data() {
        QTest::addColumn<bool>("view3D");
        QTest::addColumn<ChartRect>("beforeAxes");
        QTest::newRow("3D") << true << ChartRect{27, 104, 788, 446};
        QTest::newRow("2D") << false << ChartRect{27, 19, 873, 446};
    }
    void programChartBeforeTheAxes() {
        QFETCH(bool, view3D);
        QFETCH(ChartRect, beforeAxes);
        TChartAxes axes;
        TChartSeries series;
        const ChartLayoutResult r =
            layoutChart(programChart(view3D), axes, {&series}, FakeTextMeasurer());
        QCOMPARE(r.beforeAxes, beforeAxes);
        QCOMPARE(r.depth.seriesDepth, view3D ? 85 : 0);
        QCOMPARE(series.StartZ(), 0);
        QCOMPARE(series.EndZ(), view3D ? 85 : 0);
        QCOMPARE(series.MiddleZ(), view3D ? 42 : 0);
        if (!view3D) {
            QCOMPARE(r.beforeAxes.width(), 846);
            QCOMPARE(r.beforeAxes.height(), 427);
        }
    }

    void axesTakeTheirSpace_data() {
        QTest::addColumn<bool>("view3D");
        QTest::addColumn<double>("leftMaximum");
        QTest::addColumn<ChartRect>("plotRect");
        // Left: widest label + a space + 7 for line and ticks; bottom: 13 + 7.
        QTest::newRow("3D, empty: label 0")
            << true << -1.0 << ChartRect{27 + 12 + 7, 104, 788, 426};
        QTest::newRow("3D, left 0..300 in steps of 20: label 300")
            << true << 300.0 << ChartRect{27 + 24 + 7, 104, 788, 426};
        QTest::newRow("2D, left 0..1500: label 1,500")
            << false << 1500.0 << ChartRect{27 + 36 + 7, 19, 873, 426};
    }
    void axesTakeTheirSpace() {
        QFETCH(bool, view3D);
        QFETCH(double, leftMaximum);
        QFETCH(ChartRect, plotRect);
        TChartAxes axes;
        NumberFormatSettings dot;
        axes.Left()->setLabelFormatSettings(dot);
        TChartSeries series;
        if (leftMaximum >= 0) {
            fixRange(*axes.Bottom(), 600);
            fixRange(*axes.Left(), leftMaximum);
        }
        const ChartLayoutResult r =
            layoutChart(programChart(view3D), axes, {&series}, FakeTextMeasurer(6, 13));
        QCOMPARE(r.plotRect, plotRect);
        // The spans follow the final rectangle.
        QCOMPARE(axes.Bottom()->spanStart(), plotRect.left);
        QCOMPARE(axes.Bottom()->spanEnd(), plotRect.right);
        QCOMPARE(axes.Left()->spanStart(), plotRect.top);
        QCOMPARE(axes.Left()->spanEnd(), plotRect.bottom);
        QCOMPARE(axes.Left()->PosAxis(), plotRect.left);
        QCOMPARE(axes.Bottom()->PosAxis(), plotRect.bottom);
        // Only the two axes the series uses are drawn.
        QVERIFY(axes.Bottom()->drawnInLayout() && axes.Left()->drawnInLayout());
        QVERIFY(!axes.Top()->drawnInLayout() && !axes.Right()->drawnInLayout());
        QVERIFY(!axes.Depth()->drawnInLayout());
    }

    void emptyChartShowsOneZeroAtTheMiddle() {
        TChartAxes axes;
        TChartSeries series;
        const FakeTextMeasurer measurer;
        const ChartLayoutResult r = layoutChart(programChart(true), axes, {&series}, measurer);
        for (const TChartAxis* axis : {axes.Bottom(), axes.Left()}) {
            QVERIFY(axis->rangeZero());
            const AxisDrawPlan plan = axis->drawPlan(measurer);
            QCOMPARE(plan.labels.size(), 1);
            QCOMPARE(plan.labels[0].text, QStringLiteral("0"));
            QCOMPARE(plan.labels[0].pixel, axis->spanCentre());
            QCOMPARE(axis->ValueToPixel(1234), axis->spanCentre());
        }
        QCOMPARE(axes.Bottom()->spanCentre(), r.plotRect.centreX());
        QCOMPARE(axes.Left()->spanCentre(), r.plotRect.centreY());
    }

    void hiddenAxesTakeNoSpace() {
        TChartAxes axes;
        TChartSeries series;
        ChartLayoutSettings s = programChart(true);
        s.axisVisible = false;
        const ChartLayoutResult r = layoutChart(s, axes, {&series}, FakeTextMeasurer());
        QCOMPARE(r.plotRect, r.beforeAxes);
        axes.Left()->SetVisible(false);
        s.axisVisible = true;
        const ChartLayoutResult r2 = layoutChart(s, axes, {&series}, FakeTextMeasurer(6, 13));
        QCOMPARE(r2.plotRect, (ChartRect{27, 104, 788, 426}));
    }

    void seriesOnTheOtherAxesUsesTheirSides() {
        TChartAxes axes;
        TChartSeries series;
        series.SetHorizAxis(aTopAxis);
        series.SetVertAxis(aRightAxis);
        const ChartLayoutResult r =
            layoutChart(programChart(false), axes, {&series}, FakeTextMeasurer(6, 13));
        QCOMPARE(r.plotRect, (ChartRect{27, 19 + 20, 873 - 19, 446}));
        QCOMPARE(axes.Right()->PosAxis(), r.plotRect.right);
        QCOMPARE(axes.Top()->PosAxis(), r.plotRect.top);
    }

    void depthSlotsOfSeveralSeries() {
        TChartAxes axes;
        TChartSeries first, second, inactive;
        inactive.SetActive(false);
        const ChartLayoutResult r =
            layoutChart(programChart(true), axes, {&first, &inactive, &second}, FakeTextMeasurer());
        QCOMPARE(r.depth.depthSlots, 2);
        QCOMPARE(r.depth.totalDepth, 170);
        QCOMPARE(r.beforeAxes, (ChartRect{27, 19 + 170, 873 - 170, 446}));
        // The first series lies at the back.
        QCOMPARE(first.StartZ(), 85);
        QCOMPARE(first.EndZ(), 170);
        QCOMPARE(second.StartZ(), 0);
        QCOMPARE(second.EndZ(), 85);
    }

    void tinyChartStaysAtLeastOnePixel() {
        TChartAxes axes;
        TChartSeries series;
        ChartLayoutSettings s = programChart(true);
        s.width = 30;
        s.height = 20;
        const ChartLayoutResult r = layoutChart(s, axes, {&series}, FakeTextMeasurer());
        QVERIFY(r.plotRect.width() >= 1);
        QVERIFY(r.plotRect.height() >= 1);
        QVERIFY(r.plotRect.left >= 0 && r.plotRect.top >= 0);
    }
};

QTEST_APPLESS_MAIN(TestChartLayout)
#include "test_chartlayout.moc"
