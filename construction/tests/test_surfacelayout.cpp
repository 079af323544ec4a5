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
    void layerRuns_data();
    void layerRuns();
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

void TestSurfaceLayout::layerRuns_data() {
    QTest::addColumn<double>("radius");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("pipe");
    QTest::addColumn<double>("run");
    // The lower face of each layer meets the pipe first; the lip angle alone
    // would give 1470.8 and 1480.2.
    QTest::newRow("default, layer 1") << 1400.0 << 700.0 << 0.0 << 60.3 << 1431.15;
    QTest::newRow("default, layer 2") << 1400.0 << 700.0 << 9.0 << 60.3 << 1436.98;
    QTest::newRow("no pipe: to the lip")
        << 1400.0 << 700.0 << 0.0 << 0.0 << 1404.5 * std::numbers::pi / 3;
    // On a wall the layers stop square where they meet the pipe, up the wall.
    QTest::newRow("wall, layer 1") << 1500.0 << 2000.0 << 0.0 << 60.3 << 2813.05;
    QTest::newRow("wall, layer 2") << 1500.0 << 2000.0 << 9.0 << 60.3 << 2823.73;
}

void TestSurfaceLayout::layerRuns() {
    QFETCH(double, radius);
    QFETCH(double, height);
    QFETCH(double, top);
    QFETCH(double, pipe);
    QFETCH(double, run);
    const double actual = layerCurveRun(radius, height, top, top + 9, pipe, 6);
    QVERIFY2(near(actual, run), qPrintable(QString::number(actual, 'f', 3)));
    QVERIFY(actual <= curveRunLength(radius, height, top + 4.5) + 1e-9);
}

void TestSurfaceLayout::pieces_data() {
    QTest::addColumn<bool>("riding");
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("first");
    QTest::addColumn<std::vector<double>>("expected");
    QTest::newRow("default top layer")
        << true << 4262.31 << 1220.0 << std::vector<double>{1220, 911.155, 911.155, 1220};
    QTest::newRow("default second layer")
        << true << 4273.95 << 610.0 << std::vector<double>{610, 1220, 613.95, 1220, 610};
    QTest::newRow("no longer than a sheet") << true << 1000.0 << 610.0 << std::vector<double>{1000};
    QTest::newRow("no longer than two first pieces")
        << true << 1300.0 << 1220.0 << std::vector<double>{650, 650};
    QTest::newRow("short middle takes from both sides")
        << true << 2640.0 << 1220.0 << std::vector<double>{1170, 300, 1170};
    QTest::newRow("middle longer than a sheet")
        << true << 3940.0 << 1220.0 << std::vector<double>{1220, 750, 750, 1220};
    QTest::newRow("empty run") << true << 0.0 << 1220.0 << std::vector<double>{};
    QTest::newRow("deck in one piece") << false << 555.99 << 1220.0 << std::vector<double>{555.99};
    QTest::newRow("deck from the pipe back")
        << false << 2330.0 << 610.0 << std::vector<double>{610, 1220, 500};
    QTest::newRow("deck's short end takes from the piece before")
        << false << 2540.0 << 1220.0 << std::vector<double>{1220, 1020, 300};
}

void TestSurfaceLayout::pieces() {
    QFETCH(bool, riding);
    QFETCH(double, length);
    QFETCH(double, first);
    QFETCH(std::vector<double>, expected);
    const std::vector<double> p =
        riding ? ridingPieces(length, first, 1220) : deckPieces(length, first, 1220);
    QVERIFY2(nearAll(p, expected, 1e-9), qPrintable(text(p)));
    double total = 0;
    for (double piece : p) {
        QVERIFY(piece <= 1220 + 1e-9);
        QVERIFY(piece >= std::min(300.0, length) - 1e-9);
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
    QTest::addColumn<double>("sheetLong");
    QTest::addColumn<int>("layer");
    QTest::addColumn<int>("strips");
    QTest::addColumn<std::vector<double>>("across");
    QTest::addColumn<int>("sheets");
    const std::vector<double> top{555.99, 1220, 911.15, 911.15, 1220, 555.99};
    const std::vector<double> second{555.99, 610, 1220, 613.95, 1220, 610, 555.99};
    const std::vector<double> whole{2440};
    QTest::newRow("default top layer") << top << 2440.0 << 2440.0 << 0 << 5 << whole << 5;
    QTest::newRow("default second layer") << second << 2440.0 << 2440.0 << 1 << 5 << whole << 5;
    // 244 cm on 4 x 8 ft sheets: the 1.6 mm left over stays open.
    QTest::newRow("1.6 mm strip left open")
        << top << 2440.0 << 2438.4 << 0 << 5 << std::vector<double>{2438.4} << 5;
    // 246 cm: a 300 mm part, the sheet beside it giving way; eight parts a sheet.
    QTest::newRow("narrow part on the left")
        << top << 2460.0 << 2440.0 << 0 << 5 << std::vector<double>{300, 2160} << 6;
    QTest::newRow("narrow part on the right")
        << top << 2460.0 << 2440.0 << 1 << 5 << std::vector<double>{2160, 300} << 6;
    // 3000 wide: a whole sheet and a 560 part per strip, four parts to a sheet.
    QTest::newRow("wider than a sheet")
        << top << 3000.0 << 2440.0 << 0 << 5 << std::vector<double>{560, 2440} << 7;
    // 1000 wide: two strips' parts from one sheet.
    QTest::newRow("narrower than a sheet")
        << top << 1000.0 << 2440.0 << 0 << 5 << std::vector<double>{1000} << 3;
    // Kerf counts between pieces: 610 + 4 + 608 is more than a strip.
    QTest::newRow("kerf between pieces")
        << std::vector<double>{610, 608} << 2440.0 << 2440.0 << 0 << 2 << whole << 2;
    QTest::newRow("kerf fits exactly")
        << std::vector<double>{610, 606} << 2440.0 << 2440.0 << 0 << 1 << whole << 1;
}

void TestSurfaceLayout::sheets() {
    QFETCH(std::vector<double>, pieces);
    QFETCH(double, width);
    QFETCH(double, sheetLong);
    QFETCH(int, layer);
    QFETCH(int, strips);
    QFETCH(std::vector<double>, across);
    QFETCH(int, sheets);
    const std::vector<std::vector<int>> packed = packStrips(pieces, 1220, 4);
    QCOMPARE(int(packed.size()), strips);
    std::vector<int> used(pieces.size(), 0);
    for (const std::vector<int>& strip : packed) {
        double length = -4;
        for (int i : strip) {
            ++used[std::size_t(i)];
            length += pieces[std::size_t(i)] + 4;
        }
        QVERIFY(length <= 1220 + 1e-6);
    }
    QVERIFY(std::all_of(used.begin(), used.end(), [](int n) { return n == 1; }));
    const WidthCover cover = coverWidth(strips, width, sheetLong, 4, layer);
    QVERIFY2(nearAll(cover.across, across, 1e-9), qPrintable(text(cover.across)));
    QCOMPARE(cover.sheets, sheets);
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
    QVERIFY(near(plan.layers[0].riding, 4262.31));
    QVERIFY(near(plan.layers[1].riding, 4273.95));
    QVERIFY(nearAll(plan.layers[0].seams, {1220, 2131.15, 3042.31}));
    QVERIFY2(nearAll(plan.layers[1].seams, {610, 1830, 2443.95, 3663.95}),
             qPrintable(text(plan.layers[1].seams)));
    // Both deck runs fit in their first piece: no deck seams.
    QVERIFY(plan.layers[0].deckSeams[0].empty() && plan.layers[1].deckSeams[1].empty());
    QCOMPARE(plan.layers[1].decks[1], 555.99);
    QCOMPARE(int(plan.layers[1].pieces.size()), 7);
    QVERIFY(plan.layers[1].pieces.front().run == SurfaceRun::leftDeck);
}

void TestSurfaceLayout::defaultSeamStations() {
    const RampDimensions dims;
    const SurfacePlan plan = layOutSurface(dims, ConstructionSettings{}, {555.99, 555.99});
    const auto positions = [](std::vector<Seam> seams) {
        std::vector<double> p;
        for (const Seam& s : seams)
            p.push_back(s.position);
        std::sort(p.begin(), p.end());
        return p;
    };
    const std::vector<double> left = positions(seamStations(plan, leftCurve, 1418, dims));
    QVERIFY2(nearAll(left, {213.2, 829.6}, 0.05), qPrintable(text(left)));
    // Laid alike from both lips: the same numbers to the last bit.
    QVERIFY(left == positions(seamStations(plan, rightCurve, 1418, dims)));
    const std::vector<double> flat = positions(flatSeams(plan, dims));
    QVERIFY2(nearAll(flat, {393.0, 700.0, 1007.0}, 0.05), qPrintable(text(flat)));
}

void TestSurfaceLayout::stations_data() {
    QTest::addColumn<double>("high");
    QTest::addColumn<std::vector<double>>("seams"); // position, layer, ...
    QTest::addColumn<bool>("fixedHigh");
    QTest::addColumn<std::vector<double>>("expected");
    QTest::newRow("ends only, a gap of 455.5 in three")
        << 500.0 << std::vector<double>{} << false
        << std::vector<double>{44.5, 44.5 + 455.5 / 3, 44.5 + 2 * 455.5 / 3, 500};
    QTest::newRow("seam keeps its place against an end")
        << 500.0 << std::vector<double>{100, 0} << false << std::vector<double>{100, 300, 500};
    QTest::newRow("of two close seams the upper layer's")
        << 400.0 << std::vector<double>{200, 1, 260, 0} << false
        << std::vector<double>{44.5, 152.25, 260, 400};
    QTest::newRow("seams outside are left out") << 400.0 << std::vector<double>{20, 0, 420, 1}
                                                << false << std::vector<double>{44.5, 222.25, 400};
    QTest::newRow("gap of exactly the spacing stays")
        << 444.5 << std::vector<double>{244.5, 0} << false
        << std::vector<double>{44.5, 244.5, 444.5};
    // The coping block stays right behind the pipe.
    QTest::newRow("a fixed end keeps its place")
        << 500.0 << std::vector<double>{480, 0} << true
        << std::vector<double>{44.5, 44.5 + 455.5 / 3, 44.5 + 2 * 455.5 / 3, 500};
    // A run shorter than two timbers: one, in its middle.
    QTest::newRow("tiny run") << 20.0 << std::vector<double>{} << false
                              << std::vector<double>{32.25};
}

void TestSurfaceLayout::stations() {
    QFETCH(double, high);
    QFETCH(std::vector<double>, seams);
    QFETCH(bool, fixedHigh);
    QFETCH(std::vector<double>, expected);
    std::vector<Seam> list;
    for (std::size_t i = 0; i + 1 < seams.size(); i += 2)
        list.push_back({seams[i], int(seams[i + 1])});
    const std::vector<Station> s = placeStations(44.5, high, list, 89, 200, fixedHigh);
    QVERIFY2(nearAll(stationPositions(s), expected, 1e-9), qPrintable(text(stationPositions(s))));
    // Every seam within the run lies on a station that says so.
    for (const Seam& seam : list) {
        if (seam.position < 44.5 || seam.position > high) continue;
        QVERIFY(std::any_of(s.begin(), s.end(), [&](const Station& st) {
            return (st.seamLayers & (1u << seam.layer)) &&
                   std::abs(st.position - seam.position) < 89;
        }));
    }
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
