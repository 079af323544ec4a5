#include "stationlayout.h"
#include "surfacelayout.h"

#include <cmath>
#include <numbers>
#include <QTest>

Q_DECLARE_METATYPE(std::vector<double>)

namespace {

bool near(double a, double b, double tolerance = 0.01) {
    return std::abs(a - b) <= tolerance;
}

bool nearAll(const std::vector<double>& actual, const std::vector<double>& expected,
             double tolerance = 0.01) {
    if (actual.size() != expected.size()) return false;
    for (std::size_t i = 0; i < actual.size(); ++i)
        if (!near(actual[i], expected[i], tolerance)) return false;
    return true;
}

QString text(const std::vector<double>& values) {
    QStringList parts;
    for (double v : values)
        parts << QString::number(v, 'f', 2);
    return parts.join(u' ');
}

} // namespace

class TestSurfaceLayout : public QObject {
    Q_OBJECT
private slots:
    void angles_data();
    void angles();
    void pieces_data();
    void pieces();
    void sheets_data();
    void sheets();
    void bendRadius_data();
    void bendRadius();
    void defaultSurface();
    void defaultSeamStations();
    void stations_data();
    void stations();
    void bendWarnings_data();
    void bendWarnings();
};

void TestSurfaceLayout::angles_data() {
    QTest::addColumn<double>("radius");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("angle");
    QTest::newRow("half height: 60 degrees") << 1400.0 << 700.0 << std::numbers::pi / 3;
    QTest::newRow("H = R: a quarter") << 1400.0 << 1400.0 << std::numbers::pi / 2;
    QTest::newRow("wall") << 1500.0 << 2000.0 << std::numbers::pi / 2;
    QTest::newRow("no curve") << 1400.0 << 0.0 << 0.0;
    QTest::newRow("nothing at all") << 0.0 << 0.0 << 0.0;
}

void TestSurfaceLayout::angles() {
    QFETCH(double, radius);
    QFETCH(double, height);
    QFETCH(double, angle);
    QVERIFY(near(ridingAngle(radius, height), angle, 1e-12));
    // The wall part is measured as it is, on every layer.
    const double wall = std::max(0.0, height - radius);
    QVERIFY(near(curveRunLength(radius, height, 4.5), (radius + 4.5) * angle + wall, 1e-9));
}

void TestSurfaceLayout::pieces_data() {
    QTest::addColumn<double>("length");
    QTest::addColumn<int>("layer");
    QTest::addColumn<int>("layers");
    QTest::addColumn<std::vector<double>>("expected");
    QTest::newRow("top layer") << 4000.0 << 0 << 2 << std::vector<double>{1220, 1220, 1220, 340};
    QTest::newRow("short remainder made 300")
        << 3750.0 << 0 << 2 << std::vector<double>{1010, 1220, 1220, 300};
    QTest::newRow("second layer starts at half a sheet")
        << 2500.0 << 1 << 2 << std::vector<double>{610, 1220, 670};
    QTest::newRow("second layer, short remainder")
        << 2000.0 << 1 << 2 << std::vector<double>{480, 1220, 300};
    QTest::newRow("whole sheets exactly") << 1830.0 << 1 << 2 << std::vector<double>{610, 1220};
    QTest::newRow("shorter than the first piece") << 500.0 << 1 << 2 << std::vector<double>{500};
    QTest::newRow("third of three")
        << 3200.0 << 2 << 3
        << std::vector<double>{1220.0 / 3, 1220, 1220, 3200 - 2440 - 1220.0 / 3};
    // 153 mm would be left: the third's 407 mm first piece cannot give 147.
    QTest::newRow("third of three, short remainder")
        << 3000.0 << 2 << 3
        << std::vector<double>{1220.0 / 3, 1220, (1220 + 3000 - 2440 - 1220.0 / 3) / 2,
                               (1220 + 3000 - 2440 - 1220.0 / 3) / 2};
    // The thin first piece of a fourth layer cannot give 225 mm: the last sheet
    // and the remainder share the length instead.
    QTest::newRow("fourth of four, short remainder")
        << 1600.0 << 3 << 4 << std::vector<double>{305, 647.5, 647.5};
    QTest::newRow("empty run") << 0.0 << 0 << 2 << std::vector<double>{};
}

void TestSurfaceLayout::pieces() {
    QFETCH(double, length);
    QFETCH(int, layer);
    QFETCH(int, layers);
    QFETCH(std::vector<double>, expected);
    const std::vector<double> p = runPieces(length, layer, layers, 1220);
    QVERIFY2(nearAll(p, expected, 1e-9), qPrintable(text(p)));
    double total = 0;
    for (double piece : p) {
        QVERIFY(piece <= 1220 + 1e-9);
        total += piece;
    }
    QVERIFY(near(total, length, 1e-9));
    const std::vector<double> seams = pieceSeams(p);
    QCOMPARE(seams.size() + (p.empty() ? 0 : 1), p.size());
    if (!seams.empty()) QVERIFY(near(seams.front(), p.front(), 1e-12));
}

void TestSurfaceLayout::sheets_data() {
    QTest::addColumn<std::vector<double>>("pieces");
    QTest::addColumn<double>("width");
    QTest::addColumn<int>("strips");
    QTest::addColumn<int>("sheets");
    // The default's top layer: three sheets on the riding run, the rest and
    // both decks (556 mm each, two to a strip).
    const std::vector<double> top{1220, 1220, 1220, 681.58, 555.99, 555.99};
    QTest::newRow("default top layer") << top << 2440.0 << 5 << 5;
    const std::vector<double> second{400.43, 1220, 1220, 1220, 300, 555.99, 555.99};
    QTest::newRow("default second layer") << second << 2440.0 << 5 << 5;
    // 3000 wide: a whole sheet and a 560 part per strip, four parts to a sheet.
    QTest::newRow("wider than a sheet") << top << 3000.0 << 5 << 7;
    // 1000 wide: two strips' parts from one sheet.
    QTest::newRow("narrower than a sheet") << top << 1000.0 << 5 << 3;
    // Kerf counts between pieces: 610 + 4 + 608 is more than a strip.
    QTest::newRow("kerf between pieces") << std::vector<double>{610, 608} << 2440.0 << 2 << 2;
    QTest::newRow("kerf fits exactly") << std::vector<double>{610, 606} << 2440.0 << 1 << 1;
}

void TestSurfaceLayout::sheets() {
    QFETCH(std::vector<double>, pieces);
    QFETCH(double, width);
    QFETCH(int, strips);
    QFETCH(int, sheets);
    QCOMPARE(stripCount(pieces, 1220, 4), strips);
    QCOMPARE(sheetsForStrips(strips, width, 2440, 4), sheets);
}

void TestSurfaceLayout::bendRadius_data() {
    QTest::addColumn<double>("thickness");
    QTest::addColumn<double>("radius");
    QTest::newRow("6") << 6.0 << 600.0;
    QTest::newRow("6.5") << 6.5 << 600.0;
    QTest::newRow("9") << 9.0 << 900.0;
    QTest::newRow("12") << 12.0 << 1800.0;
    QTest::newRow("15") << 15.0 << 2400.0;
    QTest::newRow("19") << 19.0 << 3600.0;
    QTest::newRow("25") << 25.0 << 4800.0;
}

void TestSurfaceLayout::bendRadius() {
    QFETCH(double, thickness);
    QFETCH(double, radius);
    QCOMPARE(smallestBendRadius(thickness), radius);
}

void TestSurfaceLayout::defaultSurface() {
    const SurfacePlan plan =
        layOutSurface(RampDimensions{}, ConstructionSettings{}, {555.99, 555.99});
    QCOMPARE(int(plan.layers.size()), 2);
    QCOMPARE(plan.layers[0].sheets, 5);
    QCOMPARE(plan.layers[1].sheets, 5);
    QCOMPARE(plan.sheets, 10);
    QVERIFY(near(plan.layers[0].riding, 4341.58));
    QVERIFY(near(plan.layers[1].riding, 4360.43));
    QVERIFY(nearAll(plan.layers[0].seams, {1220, 2440, 3660}));
    QVERIFY2(nearAll(plan.layers[1].seams, {400.43, 1620.43, 2840.43, 4060.43}),
             qPrintable(text(plan.layers[1].seams)));
    // Both deck runs fit in their first piece: no deck seams.
    QVERIFY(plan.layers[0].deckSeams[0].empty() && plan.layers[1].deckSeams[1].empty());
    QCOMPARE(plan.layers[1].decks[1], 555.99);
}

void TestSurfaceLayout::defaultSeamStations() {
    const RampDimensions dims;
    const SurfacePlan plan = layOutSurface(dims, ConstructionSettings{}, {555.99, 555.99});
    std::vector<double> left = seamStations(plan, dims, leftCurve, 1418);
    std::vector<double> right = seamStations(plan, dims, rightCurve, 1418);
    std::vector<double> flat = flatSeams(plan, dims);
    std::sort(left.begin(), left.end());
    std::sort(right.begin(), right.end());
    std::sort(flat.begin(), flat.end());
    QVERIFY2(nearAll(left, {253.20, 1083.23}), qPrintable(text(left)));
    QVERIFY2(nearAll(right, {796.80, 1183.97}), qPrintable(text(right)));
    QVERIFY2(nearAll(flat, {140.21, 969.21, 1360.21}), qPrintable(text(flat)));
}

void TestSurfaceLayout::stations_data() {
    QTest::addColumn<double>("high");
    QTest::addColumn<std::vector<double>>("seams");
    QTest::addColumn<std::vector<double>>("expected");
    QTest::newRow("ends only, a gap of 455.5 in three")
        << 500.0 << std::vector<double>{}
        << std::vector<double>{44.5, 44.5 + 455.5 / 3, 44.5 + 2 * 455.5 / 3, 500};
    QTest::newRow("seam keeps its place against an end")
        << 500.0 << std::vector<double>{100} << std::vector<double>{100, 300, 500};
    QTest::newRow("two close seams share a rib")
        << 400.0 << std::vector<double>{200, 260} << std::vector<double>{44.5, 230, 400};
    QTest::newRow("seams outside are left out")
        << 400.0 << std::vector<double>{20, 420} << std::vector<double>{44.5, 222.25, 400};
    QTest::newRow("gap of exactly the spacing stays")
        << 444.5 << std::vector<double>{244.5} << std::vector<double>{44.5, 244.5, 444.5};
    // A run shorter than two timbers: one, in its middle.
    QTest::newRow("tiny run") << 20.0 << std::vector<double>{} << std::vector<double>{32.25};
}

void TestSurfaceLayout::stations() {
    QFETCH(double, high);
    QFETCH(std::vector<double>, seams);
    QFETCH(std::vector<double>, expected);
    const std::vector<double> s = placeStations(44.5, high, seams, 89, 200);
    QVERIFY2(nearAll(s, expected, 1e-9), qPrintable(text(s)));
}

void TestSurfaceLayout::bendWarnings_data() {
    QTest::addColumn<int>("radius");
    QTest::addColumn<std::vector<double>>("layers");
    QTest::addColumn<int>("warnings");
    QTest::newRow("default") << 140 << std::vector<double>{9, 9} << 0;
    // 12 mm plies need 1800: a 100 cm curve is too tight for both, on both curves.
    QTest::newRow("12 mm on 100 cm") << 100 << std::vector<double>{12, 12} << 4;
    // 9 mm needs 900: at 89 cm the top ply's radius is 894.5, the lower one 903.5.
    QTest::newRow("9 mm on 89 cm") << 89 << std::vector<double>{9, 9} << 2;
}

void TestSurfaceLayout::bendWarnings() {
    QFETCH(int, radius);
    QFETCH(std::vector<double>, layers);
    QFETCH(int, warnings);
    RampDimensions dims;
    dims.R1 = dims.R2 = radius;
    ConstructionSettings s;
    s.surface = layers;
    const QStringList w = ::bendWarnings(dims, s);
    QCOMPARE(int(w.size()), warnings);
    if (warnings > 0) {
        QVERIFY2(w.front().startsWith(QStringLiteral("Courbe gauche, couche 1 (")),
                 qPrintable(w.front()));
        QVERIFY(w.front().contains(QStringLiteral("mm")));
    }
}

QTEST_APPLESS_MAIN(TestSurfaceLayout)
#include "test_surfacelayout.moc"
