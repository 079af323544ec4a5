#include "frameordinates.h"

#include <algorithm>
#include <cmath>
#include <QtTest>

namespace {

ConstructionPlan defaultPlan() {
    return buildConstructionPlan(RampDimensions{}, ConstructionSettings{});
}

// R 150, H 200 on the left: a wall taller than the frame radius.
ConstructionPlan wallPlan() {
    RampDimensions dims;
    dims.R1 = 150;
    dims.H1 = 200;
    return buildConstructionPlan(dims, ConstructionSettings{});
}

} // namespace

class TestFrameOrdinates : public QObject {
    Q_OBJECT

private slots:
    void defaultPanel() {
        const CurvePlan curve = *defaultPlan().curves[leftCurve];
        const std::vector<FrameOrdinate> ordinates = frameOrdinates(curve);
        // From the toe to the top of the arc, 1200.7 mm back: 0, 100, ...,
        // 1200; past 45° (1002.7 mm from the toe, 504.3 mm high) at 550,
        // 600, 650, 700 and 750 mm of height too.
        QCOMPARE(int(ordinates.size()), 13 + 5);
        QCOMPARE(ordinates.front().fromToe, 0.0);
        QVERIFY(std::abs(ordinates.front().height - 89) < 1e-9); // the flat framing
        QVERIFY(std::abs(ordinates[1].height - (1507 - std::sqrt(1418.0 * 1418 - 100 * 100))) <
                1e-9);
        QVERIFY(std::abs(ordinates.back().fromToe - 1200) < 1e-9);
        QVERIFY(std::abs(ordinates.back().height - 751.5) < 0.05);
        QVERIFY(std::abs(ordinates[ordinates.size() - 2].height - 750) < 1e-9);
        QVERIFY(std::abs(ordinates[ordinates.size() - 2].fromToe -
                         std::sqrt(1418.0 * 1418 - 757.0 * 757)) < 1e-9);
        // Never above the notch floor the arc ends on.
        QVERIFY(ordinates.back().height < 752.7);
    }

    // Every 100 mm along the ground at most, and where the arc is steeper
    // than 45° every 50 mm of height at most; heights rising.
    void closeEnoughEverywhere_data() {
        QTest::addColumn<bool>("wall");
        QTest::addColumn<int>("steepPoints");
        QTest::newRow("default") << false << 5;
        // The wall's arc rises 1073.4 mm past 45°: 550 to 1600.
        QTest::newRow("wall") << true << 22;
    }
    void closeEnoughEverywhere() {
        QFETCH(bool, wall);
        QFETCH(int, steepPoints);
        const CurvePlan curve = *(wall ? wallPlan() : defaultPlan()).curves[leftCurve];
        const std::vector<FrameOrdinate> ordinates = frameOrdinates(curve);
        const double steep = curve.frameRadius / std::sqrt(2.0);
        int beyond100 = 0;
        for (size_t i = 1; i < ordinates.size(); ++i) {
            const FrameOrdinate &a = ordinates[i - 1], &b = ordinates[i];
            QVERIFY(b.height > a.height);
            QVERIFY(b.fromToe - a.fromToe <= 100 + 1e-9);
            if (a.fromToe >= steep)
                QVERIFY2(b.height - a.height <= 50 + 1e-9, qPrintable(QString::number(a.fromToe)));
        }
        for (const FrameOrdinate& o : ordinates)
            beyond100 += std::abs(o.fromToe / 100 - std::round(o.fromToe / 100)) > 1e-9;
        QCOMPARE(beyond100, steepPoints);
    }

    void wallStopsAtTheVerticalTangent() {
        const CurvePlan curve = *wallPlan().curves[leftCurve];
        const std::vector<FrameOrdinate> ordinates = frameOrdinates(curve);
        // The arc runs 1518 mm back from the toe to its vertical tangent at
        // 1607 mm; its last 18 mm rise 233 mm: 1400, 1450, ..., 1600 there.
        QVERIFY(std::abs(ordinates.back().fromToe - std::sqrt(1518.0 * 1518 - 7 * 7)) < 1e-9);
        QVERIFY(std::abs(ordinates.back().height - 1600) < 1e-9);
        const auto last18 = std::count_if(ordinates.begin(), ordinates.end(),
                                          [](const FrameOrdinate& o) { return o.fromToe > 1500; });
        QCOMPARE(int(last18), 5);
    }

    void corners_data() {
        QTest::addColumn<bool>("wall");
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("u");
        QTest::addColumn<double>("v");
        QTest::newRow("default toe") << false << 0 << 1812.44 << 89.0;
        QTest::newRow("default top of arc") << false << 1 << 611.7 << 752.7;
        QTest::newRow("default notch floor corner") << false << 2 << 556.0 << 752.7;
        QTest::newRow("default notch top") << false << 3 << 556.0 << 789.0;
        QTest::newRow("wall vertical tangent") << true << 1 << 582.0 << 1607.0;
        QTest::newRow("wall top") << true << 2 << 582.0 << 2052.7;
        QTest::newRow("wall notch floor corner") << true << 3 << 545.7 << 2052.7;
        QTest::newRow("wall notch top") << true << 4 << 545.7 << 2089.0;
    }
    void corners() {
        QFETCH(bool, wall);
        QFETCH(int, index);
        QFETCH(double, u);
        QFETCH(double, v);
        const CurvePlan curve = *(wall ? wallPlan() : defaultPlan()).curves[leftCurve];
        const std::vector<MarkedPoint> points = frameCorners(curve);
        QCOMPARE(int(points.size()), wall ? 5 : 4);
        QVERIFY2(std::abs(points[index].at.x() - u) < 0.05 &&
                     std::abs(points[index].at.y() - v) < 0.05,
                 qPrintable(
                     QStringLiteral("%1 %2").arg(points[index].at.x()).arg(points[index].at.y())));
    }

    void inches_data() {
        QTest::addColumn<double>("mm");
        QTest::addColumn<QString>("text");
        QTest::newRow("flat framing") << 89.0 << "3 1/2\"";
        QTest::newRow("quarter") << 793.75 << "31 1/4\"";
        QTest::newRow("sixteenth") << 1.0 << "1/16\"";
        QTest::newRow("five eighths") << 15.875 << "5/8\"";
        QTest::newRow("whole inch") << 25.4 << "1\"";
        QTest::newRow("rounds up to the next inch") << 50.6 << "2\"";
        QTest::newRow("zero") << 0.0 << "0\"";
        QTest::newRow("odd sixteenths") << 29.766 << "1 3/16\"";
    }
    void inches() {
        QFETCH(double, mm);
        QFETCH(QString, text);
        QCOMPARE(inchesText(mm), text);
    }

    void millimetres_data() {
        QTest::addColumn<double>("mm");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 89.0 << "89";
        QTest::newRow("one decimal") << 752.66 << "752,7";
        QTest::newRow("rounds to whole") << 1812.96 << "1813";
        QTest::newRow("tiny negative") << -0.01 << "0";
    }
    void millimetres() {
        QFETCH(double, mm);
        QFETCH(QString, text);
        QCOMPARE(millimetresText(mm), text);
    }
};

QTEST_MAIN(TestFrameOrdinates)
#include "test_frameordinates.moc"
