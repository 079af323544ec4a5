#include "curvegeometry.h"
#include "framecurve.h"
#include "outline.h"

#include <cmath>
#include <numbers>
#include <QTest>

namespace {

// Each segment starts where the previous one ends, the last ends at the start.
bool closed(const Outline& o) {
    for (std::size_t i = 0; i < o.size(); ++i) {
        const QPointF a = o[i].to;
        const QPointF b = o[(i + 1) % o.size()].from;
        if (std::hypot(a.x() - b.x(), a.y() - b.y()) > 1e-6) return false;
    }
    return !o.empty();
}

double degrees(double radians) {
    return std::fmod(radians * 180 / std::numbers::pi + 720, 360);
}

// Values given to n decimals match within half a unit of the last one.
bool near(double actual, double expected, double tolerance = 0.051) {
    return std::abs(actual - expected) <= tolerance;
}

ConstructionSettings withCoping(double coping) {
    ConstructionSettings s;
    s.coping = coping;
    return s;
}

} // namespace

class TestCurveGeometry : public QObject {
    Q_OBJECT
private slots:
    void checkValues_data();
    void checkValues();
    void defaultFrameArc();
    void outlines_data();
    void outlines();
};

void TestCurveGeometry::checkValues_data() {
    QTest::addColumn<double>("radius");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("ground");
    QTest::addColumn<double>("pivotU");
    QTest::addColumn<double>("pivotV");
    QTest::addColumn<double>("frameRadius");
    QTest::addColumn<double>("deckTop");
    QTest::addColumn<double>("pipeU");
    QTest::addColumn<double>("pipeV");
    QTest::addColumn<double>("notchU");
    QTest::addColumn<double>("floor");
    QTest::addColumn<double>("topU");
    QTest::addColumn<double>("wall");
    QTest::newRow("R140 H70") << 1400.0 << 700.0 << 1212.44 << 1812.44 << 1507.0 << 1418.0 << 789.0
                              << 586.1 << 782.9 << 556.0 << 752.7 << 611.7 << 0.0;
    QTest::newRow("R150 H200 wall")
        << 1500.0 << 2000.0 << 1500.0 << 2100.0 << 1607.0 << 1518.0 << 2089.0 << 575.85 << 2082.85
        << 545.7 << 2052.7 << 582.0 << 445.7;
}

void TestCurveGeometry::checkValues() {
    QFETCH(double, radius);
    QFETCH(double, height);
    QFETCH(double, ground);
    QFETCH(double, pivotU);
    QFETCH(double, pivotV);
    QFETCH(double, frameRadius);
    QFETCH(double, deckTop);
    QFETCH(double, pipeU);
    QFETCH(double, pipeV);
    QFETCH(double, notchU);
    QFETCH(double, floor);
    QFETCH(double, topU);
    QFETCH(double, wall);
    const CurvePlan c = curveGeometry(600, radius, height, 600, ConstructionSettings{});
    QVERIFY2(near(c.ground, ground, 0.0051), qPrintable(QString::number(c.ground)));
    QVERIFY(near(c.pivot.x(), pivotU, 0.0051));
    QCOMPARE(c.pivot.y(), pivotV);
    QCOMPARE(c.frameRadius, frameRadius);
    QCOMPARE(c.deckFrameTop, deckTop);
    QCOMPARE(c.panelLength, c.pivot.x());
    QCOMPARE(c.panelHeight, deckTop);
    QVERIFY(c.pipe && c.notch);
    QVERIFY2(near(c.pipe->x(), pipeU), qPrintable(QString::number(c.pipe->x())));
    QVERIFY(near(c.pipe->y(), pipeV));
    QVERIFY2(near(c.notch->x(), notchU), qPrintable(QString::number(c.notch->x())));
    QVERIFY(near(c.notch->y(), floor));
    QCOMPARE(c.notchFloor, c.notch->y());
    QVERIFY2(near(c.top.x(), topU), qPrintable(QString::number(c.top.x())));
    QVERIFY(near(c.top.y(), floor));
    QVERIFY2(near(c.wall, wall), qPrintable(QString::number(c.wall)));
    const double arc = wall > 0 ? std::numbers::pi / 2 : frameArcAngle(c);
    QVERIFY(near(c.curveLength, frameRadius * arc + c.wall, 1e-9));
}

void TestCurveGeometry::defaultFrameArc() {
    const CurvePlan c = curveGeometry(600, 1400, 700, 600, ConstructionSettings{});
    // toe, toe riser, frame arc, notch floor, notch wall, deck top, back end
    QCOMPARE(int(c.outline.size()), 7);
    const Segment& arc = c.outline[frameArcSegment];
    QCOMPARE(arc.kind, Segment::Kind::Arc);
    QVERIFY(near(arc.centre.x(), 1812.44, 0.0051));
    QCOMPARE(arc.centre.y(), 1507.0);
    QCOMPARE(arc.radius, 1418.0);
    QVERIFY(near(degrees(arc.startAngle), 270, 1e-9));
    QVERIFY2(near(degrees(arc.startAngle + arc.sweep), 212.14, 0.0051),
             qPrintable(QString::number(degrees(arc.startAngle + arc.sweep))));
    QVERIFY(near(-arc.sweep, 1.0099, 0.00005));
    QVERIFY(near(std::tan(-arc.sweep / 4), 0.2580, 0.00005));
    QCOMPARE(arc.from, (QPointF{c.pivot.x(), 89}));
    QVERIFY(near(arc.to.x(), 611.7) && near(arc.to.y(), 752.7));
}

void TestCurveGeometry::outlines_data() {
    QTest::addColumn<double>("back");
    QTest::addColumn<double>("radius");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("coping");
    QTest::addColumn<int>("segments");
    QTest::addColumn<bool>("notch");
    QTest::addColumn<double>("topU");    // where the frame curve ends
    QTest::addColumn<double>("height2"); // the panel's height
    // H = R: the arc still ends at the notch floor, below the quarter point.
    QTest::newRow("H = R") << 600.0 << 1400.0 << 1400.0 << 60.3 << 7 << true << 583.04 << 1489.0;
    // Just above R: a wall too short to reach the quarter point with the notch.
    QTest::newRow("H just above R")
        << 600.0 << 1400.0 << 1410.0 << 60.3 << 7 << true << 582.69 << 1499.0;
    QTest::newRow("wall above the frame radius")
        << 600.0 << 1000.0 << 2500.0 << 60.3 << 8 << true << 582.0 << 2589.0;
    // The notch's back wall would fall behind the back end: the floor runs out there.
    QTest::newRow("short back") << 40.0 << 1400.0 << 700.0 << 60.3 << 5 << true << 51.7 << 752.7;
    // Without a pipe the arc rises to the deck frame top.
    QTest::newRow("no coping") << 600.0 << 1400.0 << 700.0 << 0.0 << 5 << false << 589.65 << 789.0;
    // A pipe no thicker than the surface and its reveal sits on the deck frame.
    QTest::newRow("thin pipe") << 600.0 << 1400.0 << 700.0 << 24.0 << 5 << false << 589.65 << 789.0;
    // No deck under a wall: the frame curve meets the back end before its tangent.
    QTest::newRow("no deck under a wall")
        << 0.0 << 1500.0 << 2000.0 << 60.3 << 4 << false << 0.0 << 1373.92;
}

void TestCurveGeometry::outlines() {
    QFETCH(double, back);
    QFETCH(double, radius);
    QFETCH(double, height);
    QFETCH(double, coping);
    QFETCH(int, segments);
    QFETCH(bool, notch);
    QFETCH(double, topU);
    QFETCH(double, height2);
    const CurvePlan c = curveGeometry(back, radius, height, back, withCoping(coping));
    QCOMPARE(int(c.outline.size()), segments);
    QVERIFY(closed(c.outline));
    QVERIFY(signedArea(c.outline) > 0);
    QCOMPARE(c.outline.front().from, (QPointF{0, 0}));
    QCOMPARE(c.outline.back().to, (QPointF{0, 0}));
    QCOMPARE(c.notch.has_value(), notch);
    QVERIFY2(near(c.top.x(), topU), qPrintable(QString::number(c.top.x())));
    QVERIFY2(near(c.panelHeight, height2), qPrintable(QString::number(c.panelHeight)));
    const QRectF box = boundingBox(c.outline);
    QCOMPARE(box.left(), 0.0);
    QCOMPARE(lowestV(box), 0.0);
    QVERIFY(near(box.right(), c.panelLength, 1e-9));
    // The frame curve's top lies on its circle or its wall edge.
    const double r = std::hypot(c.top.x() - c.pivot.x(), c.top.y() - c.pivot.y());
    QVERIFY(c.wall > 0 ? near(c.top.x(), c.pivot.x() - c.frameRadius, 1e-9)
                       : near(r, c.frameRadius, 1e-9));
}

QTEST_APPLESS_MAIN(TestCurveGeometry)
#include "test_curvegeometry.moc"
