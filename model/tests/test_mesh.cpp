#include "curvegeometry.h"
#include "framecurve.h"
#include "mesh.h"
#include "meshchecks.h"

#include <QtTest>

#include <cmath>
#include <numbers>

// Each primitive must be the closed surface of its solid, wound outward: the
// edges pair up, the volume it encloses (positive only when the faces point
// out) and its surface (larger when faces fold over each other) are the
// solid's, worked out by hand or from the true arcs.
class TestMesh : public QObject {
    Q_OBJECT

private slots:
    void solids_data();
    void solids();
    void barStaysWithinTolerance();
};

namespace {

constexpr double pi = std::numbers::pi;

QList<QPointF> arcPoints(QPointF centre, double radius, double from, double to, int count) {
    QList<QPointF> points;
    for (int i = 0; i <= count; ++i) {
        const double a = from + (to - from) * i / count;
        points.append(centre + radius * QPointF(std::cos(a), std::sin(a)));
    }
    return points;
}

} // namespace

void TestMesh::solids_data() {
    QTest::addColumn<Mesh>("mesh");
    QTest::addColumn<double>("volume");
    QTest::addColumn<double>("volumeTolerance");
    QTest::addColumn<double>("area");
    QTest::addColumn<double>("areaTolerance");

    QTest::newRow("box") << boxMesh(QVector3D(89, 557.5, 38)) << 89 * 557.5 * 38 << 1.0
                         << 2 * (89 * 557.5 + 557.5 * 38 + 38 * 89) << 0.1;

    // An L: the inner corner is reflex, a fan from the first corner would
    // cover the missing square.
    const QList<QPointF> ell{{300, 100}, {100, 100}, {100, 400}, {0, 400}, {0, 0}, {300, 0}};
    const double ellArea = 300 * 100 + 100 * 300, ellPerimeter = 2 * (300 + 400);
    QTest::newRow("L, counter-clockwise")
        << prismMesh(ell, 18) << ellArea * 18 << 1.0 << 2 * ellArea + ellPerimeter * 18 << 0.1;
    QList<QPointF> reversed(ell.rbegin(), ell.rend());
    QTest::newRow("L, clockwise") << prismMesh(reversed, 18) << ellArea * 18 << 1.0
                                  << 2 * ellArea + ellPerimeter * 18 << 0.1;

    // A comb: three notches cut down from the top, points in line on its base.
    const QList<QPointF> comb{{0, 0},     {250, 0},   {500, 0},   {700, 0},   {700, 300},
                              {600, 300}, {600, 100}, {450, 100}, {450, 300}, {300, 300},
                              {300, 50},  {150, 50},  {150, 300}, {0, 300}};
    const double combArea = 700 * 300 - 150 * 200 - 150 * 250;
    const double combPerimeter = 2 * (700 + 300) + 2 * 200 + 2 * 250;
    QTest::newRow("comb") << prismMesh(comb, 12) << combArea * 12 << 1.0
                          << 2 * combArea + combPerimeter * 12 << 0.1;

    // The default side panel: its notch and its frame arc, against the area
    // of the true outline.
    const CurvePlan panel = curveGeometry(600, 1400, 700, 600, ConstructionSettings{});
    const QList<QPointF> outline = flatten(panel.outline, 0.5);
    double perimeter = 0;
    for (const Segment& s : panel.outline)
        perimeter += s.kind == Segment::Kind::Arc ? s.radius * std::abs(s.sweep)
                                                  : QLineF(s.from, s.to).length();
    const double panelArea = signedArea(panel.outline);
    // Chords within 0.5 mm of the frame arc: each face loses at most that strip.
    const double frameArc = panel.frameRadius * frameArcAngle(panel);
    QTest::newRow("side panel") << prismMesh(outline, 18) << panelArea * 18 << 0.5 * frameArc * 18
                                << 2 * panelArea + perimeter * 18 << 2 * 0.5 * frameArc;

    // A surface layer over a toe: straight, then a quarter arc rising to the
    // left, material below (outside the circle).
    const double r = 1400, t = 9, w = 2440;
    QList<QPointF> path = arcPoints({0, r}, r, -pi, -pi / 2, 60);
    path.append(QPointF(800, 0));
    const double band = pi / 4 * ((r + t) * (r + t) - r * r) + 800 * t;
    const double faces = (pi / 2 * r + 800) + (pi / 2 * (r + t) + 800) + 2 * t;
    QTest::newRow("bent strip") << bentStripMesh(path, t, w) << band * w << 0.5 * (pi / 2 * r) * w
                                << 2 * band + faces * w << 0.01 * faces * w;

    const double pipe = 30.15;
    QTest::newRow("bar") << cylinderMesh(pipe, w, 0.5) << pi * pipe * pipe * w
                         << 0.5 * 2 * pi * pipe * w << 2 * pi * pipe * pipe + 2 * pi * pipe * w
                         << 0.02 * 2 * pi * pipe * w;
}

void TestMesh::solids() {
    QFETCH(Mesh, mesh);
    QFETCH(double, volume);
    QFETCH(double, volumeTolerance);
    QFETCH(double, area);
    QFETCH(double, areaTolerance);
    QCOMPARE(meshFault(mesh), QString());
    const double enclosed = signedVolume(mesh);
    QVERIFY2(std::abs(enclosed - volume) <= volumeTolerance,
             qPrintable(QStringLiteral("%1 mm³, expected %2").arg(enclosed).arg(volume)));
    const double surface = surfaceArea(mesh);
    QVERIFY2(std::abs(surface - area) <= areaTolerance,
             qPrintable(QStringLiteral("%1 mm², expected %2").arg(surface).arg(area)));
}

void TestMesh::barStaysWithinTolerance() {
    // The middle of every side of the bar lies within 0.5 mm of the circle.
    const double radius = 30.15;
    const Mesh bar = cylinderMesh(radius, 100, 0.5);
    const auto n = int(bar.vertices.size() / 2);
    QVERIFY(n >= 8);
    for (int i = 0; i < n; ++i) {
        const QVector3D a = bar.vertices[std::size_t(i)];
        const QVector3D b = bar.vertices[std::size_t((i + 1) % n)];
        QCOMPARE(a.y(), 0.f);
        QVERIFY(std::abs(std::hypot(a.x(), a.z()) - radius) < 1e-4);
        const QVector3D middle = (a + b) / 2;
        QVERIFY(radius - std::hypot(middle.x(), middle.z()) <= 0.5);
    }
}

QTEST_APPLESS_MAIN(TestMesh)
#include "test_mesh.moc"
