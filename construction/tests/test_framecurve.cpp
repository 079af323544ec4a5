#include "constructionplan.h"
#include "curvegeometry.h"
#include "framecurve.h"
#include "outlinechecks.h"

#include <cmath>
#include <numbers>
#include <QTest>

namespace {

bool near(double actual, double expected, double tolerance) {
    return std::abs(actual - expected) <= tolerance;
}

} // namespace

class TestFrameCurve : public QObject {
    Q_OBJECT
private slots:
    void stations_data();
    void stations();
    void ribSections_data();
    void ribSections();
    void ribsStayOnTheirPanels_data();
    void ribsStayOnTheirPanels();
    void depthInside_data();
    void depthInside();
};

void TestFrameCurve::stations_data() {
    QTest::addColumn<double>("radius");
    QTest::addColumn<double>("height");
    QTest::newRow("default") << 1400.0 << 700.0;
    QTest::newRow("wall") << 1500.0 << 2000.0;
}

void TestFrameCurve::stations() {
    QFETCH(double, radius);
    QFETCH(double, height);
    const CurvePlan c = curveGeometry(600, radius, height, 600, ConstructionSettings{});
    const FrameStation toe = frameStation(c, 0);
    QVERIFY(near(toe.point.x(), c.pivot.x(), 1e-9) && near(toe.point.y(), 89, 1e-9));
    QVERIFY(near(toe.normal.x(), 0, 1e-12) && near(toe.normal.y(), -1, 1e-12));
    const FrameStation top = frameStation(c, c.curveLength);
    QVERIFY(near(top.point.x(), c.top.x(), 1e-9) && near(top.point.y(), c.top.y(), 1e-9));
    // A quarter of the arc along, the point is a quarter of its angle round
    // and the normal points away from the pivot.
    const double arc = c.curveLength - c.wall;
    const FrameStation quarter = frameStation(c, arc / 4);
    const QPointF fromPivot = quarter.point - c.pivot;
    QVERIFY(near(std::atan2(fromPivot.y(), fromPivot.x()),
                 -std::numbers::pi / 2 - frameArcAngle(c) / 4, 1e-12));
    QVERIFY(near(quarter.angle, frameArcAngle(c) / 4, 1e-12));
    QVERIFY(near(std::hypot(fromPivot.x(), fromPivot.y()), c.frameRadius, 1e-9));
    QVERIFY(near(quarter.normal.x(), fromPivot.x() / c.frameRadius, 1e-12));
    QVERIFY(near(quarter.normal.y(), fromPivot.y() / c.frameRadius, 1e-12));
    QVERIFY(!quarter.onWall);
    if (c.wall > 0) {
        // On the wall edge the panel lies toward its back end.
        const FrameStation wall = frameStation(c, arc + c.wall / 2);
        QVERIFY(wall.onWall);
        QVERIFY(near(wall.point.x(), c.pivot.x() - c.frameRadius, 1e-9));
        QVERIFY(near(wall.point.y(), c.pivot.y() + c.wall / 2, 1e-9));
        QCOMPARE(wall.normal, QPointF(-1, 0));
        QVERIFY(near(wall.angle, std::numbers::pi / 2, 1e-12));
    }
}

void TestFrameCurve::ribSections_data() {
    QTest::addColumn<RampDimensions>("dims");
    QTest::addColumn<bool>("atTheTop");
    QTest::addColumn<QPointF>("depth"); // from a top corner to the bottom one below it
    // At the toe of R 140, H 70 (s = 44.5 on a 1418 radius): along the radius,
    // away from the pivot.
    const double angle = 44.5 / 1418;
    QTest::newRow("default toe") << RampDimensions{} << false
                                 << QPointF(-38 * std::sin(angle), -38 * std::cos(angle));
    // On the wall edge of R 150, H 200: toward the back end, not over the
    // surface layers on the riding side.
    QTest::newRow("wall top") << RampDimensions{.R1 = 150, .H1 = 200} << true << QPointF(-38, 0);
}

void TestFrameCurve::ribSections() {
    QFETCH(RampDimensions, dims);
    QFETCH(bool, atTheTop);
    QFETCH(QPointF, depth);
    const ConstructionPlan plan = buildConstructionPlan(dims, {});
    const CurvePlan& curve = *plan.curves[leftCurve];
    const FrameStation station =
        frameStation(curve, atTheTop ? curve.stations.back() : curve.stations.front());
    const auto c = ribSection(station, 89, 38);
    QVERIFY(near((c[0].x() + c[1].x()) / 2, station.point.x(), 1e-9));
    QVERIFY(near((c[0].y() + c[1].y()) / 2, station.point.y(), 1e-9));
    QVERIFY(near(std::hypot(c[1].x() - c[0].x(), c[1].y() - c[0].y()), 89, 1e-9));
    QVERIFY(near(c[3].x() - c[0].x(), depth.x(), 0.001));
    QVERIFY(near(c[3].y() - c[0].y(), depth.y(), 0.001));
}

void TestFrameCurve::ribsStayOnTheirPanels_data() {
    QTest::addColumn<RampDimensions>("dims");
    for (const MarkedDesign& d : markedDesigns())
        QTest::newRow(d.name) << d.dims;
}

// Every rib the plan window draws lies on its panel.
void TestFrameCurve::ribsStayOnTheirPanels() {
    QFETCH(RampDimensions, dims);
    const ConstructionPlan plan = buildConstructionPlan(dims, {});
    for (const auto& curve : plan.curves) {
        const OutlineArea panel(curve->outline);
        for (const double s : curve->stations)
            for (const QPointF corner : ribSection(frameStation(*curve, s), plan.settings.ribWidth,
                                                   plan.settings.ribDepth))
                QVERIFY2(panel.holds(corner), qPrintable(QStringLiteral("station %1: %2, %3")
                                                             .arg(s)
                                                             .arg(corner.x())
                                                             .arg(corner.y())));
    }
}

void TestFrameCurve::depthInside_data() {
    QTest::addColumn<double>("station");
    QTest::addColumn<double>("depth");
    // The default panel: at the toe the normal runs straight down the riser's
    // side to the ground, 89 mm; 700 mm up the curve, along the radius to the
    // ground, 1507 / cos(700 / 1418) from the pivot; near the top it would
    // reach the back end beyond the limit.
    QTest::newRow("at the toe") << 0.0 << 89.0;
    QTest::newRow("to the ground") << 700.0 << 1507 / std::cos(700.0 / 1418) - 1418;
    QTest::newRow("held to the limit") << 1300.0 << 500.0;
}

void TestFrameCurve::depthInside() {
    QFETCH(double, station);
    QFETCH(double, depth);
    const CurvePlan c = curveGeometry(600, 1400, 700, 600, ConstructionSettings{});
    QVERIFY(near(::depthInside(c.outline, frameStation(c, station), 500), depth, 1e-9));
}

QTEST_APPLESS_MAIN(TestFrameCurve)
#include "test_framecurve.moc"
