#include "outline.h"

#include <cmath>
#include <numbers>
#include <QtTest>

namespace {

constexpr double pi = std::numbers::pi;

// A quarter disc of radius r about the origin, counter-clockwise: the two
// radii and the arc from 0 to 90 degrees.
Outline quarterDisc(double r) {
    return {Segment::line({0, 0}, {r, 0}), Segment::arc({0, 0}, r, 0, pi / 2),
            Segment::line({0, r}, {0, 0})};
}

bool closed(const Outline& o) {
    for (std::size_t i = 0; i < o.size(); ++i) {
        const QPointF a = o[i].to;
        const QPointF b = o[(i + 1) % o.size()].from;
        if (std::hypot(a.x() - b.x(), a.y() - b.y()) > 1e-9) return false;
    }
    return true;
}

// Every arc's end points lie on its circle at its end angles.
bool arcsTrue(const Outline& o) {
    for (const Segment& s : o) {
        if (s.kind != Segment::Kind::Arc) continue;
        const QPointF a = arcPoint(s, 0), b = arcPoint(s, 1);
        if (std::hypot(a.x() - s.from.x(), a.y() - s.from.y()) > 1e-9) return false;
        if (std::hypot(b.x() - s.to.x(), b.y() - s.to.y()) > 1e-9) return false;
    }
    return true;
}

} // namespace

class TestOutline : public QObject {
    Q_OBJECT
private slots:
    void arcBoundingBox_data();
    void arcBoundingBox();
    void transformsKeepArcsTrue_data();
    void transformsKeepArcsTrue();
    void flattenStaysWithinTolerance();
};

void TestOutline::arcBoundingBox_data() {
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("sweep");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("bottom");
    QTest::addColumn<double>("right");
    QTest::addColumn<double>("top");
    // Unit circle about the origin; the extremes count only where the arc passes.
    QTest::newRow("first quadrant") << 0.0 << pi / 2 << 0.0 << 0.0 << 1.0 << 1.0;
    QTest::newRow("across the top")
        << pi / 4 << pi / 2 << -std::sqrt(0.5) << std::sqrt(0.5) << std::sqrt(0.5) << 1.0;
    QTest::newRow("clockwise across the bottom")
        << 7 * pi / 4 << -pi / 2 << -std::sqrt(0.5) << -1.0 << std::sqrt(0.5) << -std::sqrt(0.5);
    QTest::newRow("frame arc of a panel, clockwise from the bottom")
        << 3 * pi / 2 << -1.0099 << std::cos(3 * pi / 2 - 1.0099) << -1.0 << 0.0
        << std::sin(3 * pi / 2 - 1.0099);
}

void TestOutline::arcBoundingBox() {
    QFETCH(double, start);
    QFETCH(double, sweep);
    const QRectF r = boundingBox({Segment::arc({0, 0}, 1, start, sweep)});
    QFETCH(double, left);
    QFETCH(double, bottom);
    QFETCH(double, right);
    QFETCH(double, top);
    QVERIFY(std::abs(r.left() - left) < 1e-9);
    QVERIFY(std::abs(lowestV(r) - bottom) < 1e-9);
    QVERIFY(std::abs(r.right() - right) < 1e-9);
    QVERIFY(std::abs(highestV(r) - top) < 1e-9);
}

void TestOutline::transformsKeepArcsTrue_data() {
    QTest::addColumn<int>("transform");
    QTest::addColumn<double>("area"); // signed: a mirror turns the outline clockwise
    const double quarter = pi * 100 * 100 / 4;
    QTest::newRow("as is") << 0 << quarter;
    QTest::newRow("mirrored") << 1 << -quarter;
    QTest::newRow("turned") << 2 << quarter;
    QTest::newRow("translated") << 3 << quarter;
}

void TestOutline::transformsKeepArcsTrue() {
    QFETCH(int, transform);
    QFETCH(double, area);
    Outline o = quarterDisc(100);
    if (transform == 1) o = mirrored(o, 300);
    if (transform == 2) o = turned(o, 50, 50);
    if (transform == 3) o = translated(o, -20, 35);
    QVERIFY(closed(o));
    QVERIFY(arcsTrue(o));
    QVERIFY(std::abs(signedArea(o) - area) < 1e-6);
    const QRectF box = boundingBox(o);
    QVERIFY(std::abs(box.width() - 100) < 1e-9);
    QVERIFY(std::abs(box.height() - 100) < 1e-9);
}

void TestOutline::flattenStaysWithinTolerance() {
    const Outline o{Segment::arc({0, 0}, 1518, 3 * pi / 2, -pi / 2)};
    const QList<QPointF> points = flatten(o, 0.05);
    QVERIFY(points.size() > 10);
    // Mid-chord points stay within the tolerance of the circle.
    for (qsizetype i = 0; i + 1 < points.size(); ++i) {
        const double mu = (points[i].x() + points[i + 1].x()) / 2;
        const double mv = (points[i].y() + points[i + 1].y()) / 2;
        QVERIFY(1518 - std::hypot(mu, mv) <= 0.05 + 1e-9);
    }
}

QTEST_GUILESS_MAIN(TestOutline)
#include "test_outline.moc"
