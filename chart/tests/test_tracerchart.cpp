// The chart side of a Tracer run: the effect list of the real computation
// applied, in order, to a series and the axes, the way the main window does.

#include "axisexception.h"
#include "chartlayout.h"
#include "chartrepaintrequester.h"
#include "modeltestsupport.h"
#include "tchartaxes.h"
#include "tchartseries.h"
#include "tracer.h"

#include <cmath>
#include <QTest>
#include <QWidget>
#include <variant>

namespace {

template <class... F> struct Visitor : F... { using F::operator()...; };
template <class... F> Visitor(F...) -> Visitor<F...>;

// Applies the chart effects in order; an axis exception stops it there.
void applyChartEffects(const TracerRun& run, TChartSeries& series, TChartAxes& axes) {
    const auto axis = [&](TracerAxis which) {
        return which == TracerAxis::Bottom ? axes.Bottom() : axes.Left();
    };
    for (const TracerEffect& effect : run.effects) {
        std::visit(Visitor{
                       [&](const ClearSeries&) { series.ClearValues(); },
                       [&](const AxisAutomatic& e) { axis(e.axis)->SetAutomatic(e.automatic); },
                       [&](const AxisMaximum& e) { axis(e.axis)->SetMaximum(e.value); },
                       [&](const AxisMinimum& e) { axis(e.axis)->SetMinimum(e.value); },
                       [&](const AddPoints& e) {
                           for (const ProfilePoint& p : e.points)
                               series.AddPoint(p.x, p.y, QString(), clBlack);
                       },
                       [](const auto&) {},
                   },
                   effect);
    }
}

// A window standing for the chart: requests become QWidget::update().
class RepaintCountingWidget : public QWidget, public ChartRepaintRequester {
public:
    void requestRepaint() override {
        ++requests;
        update();
    }
    int requests = 0;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

// Plot size after the margins and the 3D depth of the 900 × 465 chart.
constexpr int plotWidth = 761;
constexpr int plotHeight = 342;

} // namespace

class TestTracerChart : public QObject {
    Q_OBJECT
private slots:
    void runFillsTheSeriesAndFixesTheAxes() {
        const RampDimensions dims;
        const TracerRun run = runTracer(dims, plotWidth, plotHeight);
        QVERIFY2(run.completed(), qPrintable(run.error));
        TChartSeries series;
        TChartAxes axes;
        applyChartEffects(run, series, axes);

        const double total = run.derived.T;
        QVERIFY(total > 0);
        QVERIFY(!axes.Bottom()->Automatic() && !axes.Bottom()->AutomaticMinimum());
        QVERIFY(!axes.Left()->Automatic() && !axes.Left()->AutomaticMaximum());
        QCOMPARE(axes.Bottom()->Minimum(), 0.0);
        QCOMPARE(axes.Bottom()->Maximum(), total);
        QCOMPARE(axes.Left()->Minimum(), 0.0);
        QCOMPARE(axes.Left()->Maximum(),
                 double((long double)plotHeight * (long double)total / plotWidth));

        QVERIFY(series.PointCount() == 1000 || series.PointCount() == 1001);
        for (int i = 1; i < series.PointCount(); ++i)
            QVERIFY(series.XValues().Value(i) > series.XValues().Value(i - 1));
        for (int i = 0; i < series.PointCount(); ++i)
            QCOMPARE(series.PointColor(i), clBlack);
        QVERIFY(series.XValues().MaxValue() < total);
        QCOMPARE(series.labelCount(), 0);
    }

    void nextLayoutKeepsTheScalesEqual() {
        TChartSeries series;
        TChartAxes axes;
        applyChartEffects(runTracer(RampDimensions(), plotWidth, plotHeight), series, axes);
        ChartLayoutSettings s;
        s.width = 900;
        s.height = 465;
        s.chart3DPercent = 100;
        layoutChart(s, axes, {&series}, FakeTextMeasurer(6, 13));
        // The axes now take a few pixels, so the scales agree only closely.
        const double ratio = axes.Bottom()->scale() / axes.Left()->scale();
        QVERIFY2(std::fabs(ratio - 1) < 0.06, qPrintable(QString::number(ratio)));
    }

    void secondRunReplacesThePoints() {
        TChartSeries series;
        TChartAxes axes;
        const TracerRun run = runTracer(RampDimensions(), plotWidth, plotHeight);
        applyChartEffects(run, series, axes);
        const int count = series.PointCount();
        const double lastX = series.XValues().Value(count - 1);
        applyChartEffects(run, series, axes);
        QCOMPARE(series.PointCount(), count);
        QCOMPARE(series.XValues().Value(count - 1), lastX);
    }

    void pannedMinimumAboveTheNewMaximumAbandons_data() {
        QTest::addColumn<bool>("bottomPanned");
        QTest::addColumn<QString>("message");
        QTest::newRow("bottom axis panned beyond the length")
            << true << QStringLiteral("Axis Maximum Value must be >= Minimum");
        QTest::newRow("left axis panned above the height")
            << false << QStringLiteral("Axis Maximum Value must be >= Minimum");
    }
    void pannedMinimumAboveTheNewMaximumAbandons() {
        QFETCH(bool, bottomPanned);
        TChartSeries series;
        TChartAxes axes;
        const TracerRun run = runTracer(RampDimensions(), plotWidth, plotHeight);
        applyChartEffects(run, series, axes);
        const double total = run.derived.T;
        const double leftMaximum = axes.Left()->Maximum();
        // A pan far to the right or far up.
        if (bottomPanned)
            axes.Bottom()->SetRange(total + 100, 2 * total + 100);
        else
            axes.Left()->SetRange(leftMaximum + 100, 2 * leftMaximum + 100);

        try {
            applyChartEffects(run, series, axes);
            QFAIL("the run went through");
        } catch (const AxisException& e) {
            QTEST(e.message(), "message");
        }
        QCOMPARE(series.PointCount(), 0);
        if (bottomPanned) {
            // Nothing after the refused maximum: the left axis keeps its range.
            QCOMPARE(axes.Bottom()->Minimum(), total + 100);
            QCOMPARE(axes.Bottom()->Maximum(), 2 * total + 100);
            QCOMPARE(axes.Left()->Maximum(), leftMaximum);
        } else {
            QCOMPARE(axes.Bottom()->Minimum(), 0.0);
            QCOMPARE(axes.Bottom()->Maximum(), total);
            QCOMPARE(axes.Left()->Minimum(), leftMaximum + 100);
        }
    }

    void wholeRunIsOneRepaint() {
        RepaintCountingWidget chart;
        chart.resize(200, 100);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        QTRY_VERIFY(chart.paints >= 1);
        chart.paints = 0;

        TChartSeries series;
        TChartAxes axes(&chart);
        series.setRepaintRequester(&chart);
        applyChartEffects(runTracer(RampDimensions(), plotWidth, plotHeight), series, axes);
        QVERIFY(chart.requests > 1000);
        QCOMPARE(chart.paints, 0); // nothing is drawn while the run goes on
        QTRY_COMPARE(chart.paints, 1);
        QTest::qWait(100);
        QCOMPARE(chart.paints, 1);
    }
};

QTEST_MAIN(TestTracerChart)
#include "test_tracerchart.moc"
