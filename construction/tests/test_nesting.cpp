#include "layoutcheck.h"
#include "nesting.h"
#include "quarvelerror.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <QtTest>
#include <set>
#include <tuple>

namespace {

using Items = std::vector<NestItem>;

// A side panel of a curve with H <= R (mm), flat 89, surface 18 and a 60.3
// coping with a 6 mm reveal, built here from its own formulas.
Outline panel(double r, double h, double back) {
    const double flat = 89, t = 18, d = 60.3, reveal = 6;
    const double uc = back + std::sqrt(r * r - (r - h) * (r - h));
    const double vc = flat + t + r, rf = r + t, vd = flat + h;
    const double vp = flat + t + h + reveal - d / 2;
    const double up = uc - std::sqrt(std::pow(r - reveal + d / 2, 2) - std::pow(vc - vp, 2));
    const double vn = vp - d / 2;
    const double phi = std::acos((vc - vn) / rf); // from the toe up to the notch floor
    const Segment arc = Segment::arc({uc, vc}, rf, 3 * std::numbers::pi / 2, -phi);
    return {Segment::line({0, 0}, {uc, 0}),
            Segment::line({uc, 0}, {uc, flat}),
            arc,
            Segment::line(arc.to, {up - d / 2, vn}),
            Segment::line({up - d / 2, vn}, {up - d / 2, vd}),
            Segment::line({up - d / 2, vd}, {0, vd}),
            Segment::line({0, vd}, {0, 0})};
}

// R 140, H 70, deck 60 as back: 1812.44 long, 789 high.
Outline defaultPanel() {
    return panel(1400, 700, 600);
}

// The default panel cut along the frame curve's normal, psi (radians) up the
// arc from the toe: piece 0 holds the back end, piece 1 the toe.
Outline splitPiece(double psi, int piece) {
    const Outline whole = defaultPanel();
    const Segment& arc = whole[2];
    const QPointF c = arc.centre;
    const QPointF onCurve{c.x() - arc.radius * std::sin(psi), c.y() - arc.radius * std::cos(psi)};
    const QPointF onGround{c.x() - c.y() * std::tan(psi), 0};
    if (piece == 1)
        return {Segment::line(onGround, whole[0].to), whole[1],
                Segment::arc(c, arc.radius, arc.startAngle, -psi),
                Segment::line(onCurve, onGround)};
    Outline back{Segment::line({0, 0}, onGround), Segment::line(onGround, onCurve),
                 Segment::arc(c, arc.radius, arc.startAngle - psi, arc.sweep + psi)};
    back.insert(back.end(), whole.begin() + 3, whole.end());
    return back;
}

Outline polygon(const std::vector<QPointF>& points) {
    Outline outline;
    for (size_t i = 0; i < points.size(); ++i)
        outline.push_back(Segment::line(points[i], points[(i + 1) % points.size()]));
    return outline;
}

Outline rectangle(double width, double height) {
    return polygon({{0, 0}, {width, 0}, {width, height}, {0, height}});
}

// A right triangle: two of them make a rectangle when one is turned.
Outline wedge(double width, double height) {
    return polygon({{0, 0}, {width, 0}, {0, height}});
}

// Its bottom is its top mirrored: two stack best with one mirrored.
Outline chevron() {
    return polygon({{0, 0}, {700, 150}, {1000, 0}, {1000, 300}, {300, 450}, {0, 300}});
}

NestItem item(int curve, int piece, Outline outline, int count) {
    return {curve, piece, std::move(outline), count};
}

// R 100, H 50, 300 behind the lip: 1166.03 long, 589 high.
Outline smallPanel() {
    return panel(1000, 500, 300);
}

Outline placed(const Outline& outline, const PlacedPart& part) {
    Outline o = part.mirrored ? mirrored(outline, 123.0) : outline;
    o = quarterTurned(o, part.rotation / 90);
    const QRectF r = boundingBox(o);
    return translated(o, part.x - r.left(), part.y - lowestV(r));
}

// Every copy placed once, inside the sheet by kerf, true shapes kerf apart.
void checkLayout(const std::vector<SheetLayout>& sheets, const Items& items, double sheetLong,
                 double sheetShort, double kerf) {
    std::map<std::pair<int, int>, int> expected;
    std::map<std::pair<int, int>, const Outline*> outlines;
    for (const NestItem& i : items) {
        expected[{i.curve, i.piece}] += i.count;
        outlines[{i.curve, i.piece}] = &i.outline;
    }
    checkSheets(
        sheets,
        [&](const PlacedPart& part) -> const Outline* {
            const auto found = outlines.find({part.curve, part.piece});
            return found == outlines.end() ? nullptr : found->second;
        },
        expected, sheetLong, sheetShort, kerf);
}

// Sheets that the parts' bounding boxes take in rows, tallest first.
int rowSheets(const Items& items, double sheetLong, double sheetShort, double kerf) {
    std::vector<QRectF> boxes;
    for (const NestItem& i : items)
        for (int k = 0; k < i.count; ++k)
            boxes.push_back(boundingBox(i.outline));
    std::stable_sort(boxes.begin(), boxes.end(),
                     [](QRectF a, QRectF b) { return a.height() > b.height(); });
    int sheets = 0;
    double x = 0, y = 0, row = 0;
    for (const QRectF& r : boxes) {
        if (sheets && x + r.width() > sheetLong - kerf + 1e-9) {
            x = kerf;
            y += row + kerf;
            row = 0;
        }
        if (!sheets || y + r.height() > sheetShort - kerf + 1e-9) {
            ++sheets;
            x = y = kerf;
            row = 0;
        }
        x += r.width() + kerf;
        row = std::max(row, r.height());
    }
    return sheets;
}

} // namespace

Q_DECLARE_METATYPE(Items)
Q_DECLARE_METATYPE(Outline)

class TestNesting : public QObject {
    Q_OBJECT

private slots:
    void layouts_data() {
        QTest::addColumn<Items>("items");
        QTest::addColumn<double>("sheetLong");
        QTest::addColumn<double>("sheetShort");
        QTest::addColumn<double>("kerf");
        QTest::addColumn<int>("sheets"); // 0: only no more than in rows

        const Outline panel = defaultPanel();
        QTest::newRow("two default panels head to tail")
            << Items{item(0, 0, panel, 2)} << 2440.0 << 1220.0 << 4.0 << 1;
        QTest::newRow("default ramp: five panels a side")
            << Items{item(0, 0, panel, 5), item(1, 0, panel, 5)} << 2440.0 << 1220.0 << 4.0 << 5;
        QTest::newRow("default panels, kerf 0")
            << Items{item(0, 0, panel, 10)} << 2440.0 << 1220.0 << 0.0 << 5;
        QTest::newRow("default panels, kerf 12")
            << Items{item(0, 0, panel, 10)} << 2440.0 << 1220.0 << 12.0 << 5;
        QTest::newRow("pair taller than the sheet")
            << Items{item(0, 0, panel, 3)} << 1830.0 << 960.0 << 4.0 << 3;
        QTest::newRow("rectangles in the curves of panels alone")
            << Items{item(0, 0, panel, 3), item(1, 0, rectangle(300, 200), 3)} << 1830.0 << 960.0
            << 4.0 << 3;
        QTest::newRow("1500 default panels")
            << Items{item(0, 0, panel, 750), item(1, 0, panel, 750)} << 2440.0 << 1220.0 << 4.0
            << 750;
        QTest::newRow("small panel in a default panel's curve")
            << Items{item(0, 0, panel, 1), item(1, 0, smallPanel(), 1)} << 2440.0 << 1220.0 << 4.0
            << 1;
        QTest::newRow("default and small panels")
            << Items{item(0, 0, panel, 5), item(1, 0, smallPanel(), 7)} << 2440.0 << 1220.0 << 4.0
            << 0;
        QTest::newRow("pieces of split panels and rectangles")
            << Items{item(0, 0, splitPiece(0.5, 0), 3), item(0, 1, splitPiece(0.5, 1), 3),
                     item(1, 0, splitPiece(0.3, 0), 2), item(1, 1, splitPiece(0.3, 1), 2),
                     item(2, 0, rectangle(300, 200), 5)}
            << 1830.0 << 915.0 << 6.0 << 0;
        QTest::newRow("small parts two high beside a tall one")
            << Items{item(0, 0, rectangle(1500, 1000), 2), item(1, 0, rectangle(400, 496), 8)}
            << 2440.0 << 1220.0 << 4.0 << 2;
        QTest::newRow("wedges turned into rectangles")
            << Items{item(0, 0, wedge(1500, 560), 8)} << 2440.0 << 1220.0 << 4.0 << 2;
        QTest::newRow("chevrons: two pairs and two alone a sheet")
            << Items{item(0, 0, chevron(), 12)} << 2440.0 << 1220.0 << 4.0 << 2;
        // As drawn two pairs a sheet; turned a quarter, three.
        QTest::newRow("1500 small panels, three pairs a sheet on end")
            << Items{item(0, 0, smallPanel(), 1500)} << 2440.0 << 1220.0 << 4.0 << 250;
        QTest::newRow("100000 squares in a grid")
            << Items{item(0, 0, rectangle(100, 100), 100000)} << 2440.0 << 1220.0 << 4.0 << 396;
        QTest::newRow("one default panel")
            << Items{item(0, 0, defaultPanel(), 1)} << 2440.0 << 1220.0 << 4.0 << 1;
        QTest::newRow("rectangles in a grid")
            << Items{item(0, 0, rectangle(600, 400), 20)} << 2440.0 << 1220.0 << 4.0 << 2;
        QTest::newRow("rectangle the sheet's inner size")
            << Items{item(0, 0, rectangle(2432, 1212), 3)} << 2440.0 << 1220.0 << 4.0 << 3;
        QTest::newRow("kerf 0, rectangles touching")
            << Items{item(0, 0, rectangle(610, 305), 32)} << 2440.0 << 1220.0 << 0.0 << 2;
        QTest::newRow("mixed rectangles")
            << Items{item(0, 0, rectangle(1000, 500), 3), item(1, 0, rectangle(300, 200), 7),
                     item(1, 1, rectangle(2000, 150), 2)}
            << 2440.0 << 1220.0 << 4.0 << 0;
        QTest::newRow("no items") << Items{} << 2440.0 << 1220.0 << 4.0 << 0;
    }

    void layouts() {
        QFETCH(Items, items);
        QFETCH(double, sheetLong);
        QFETCH(double, sheetShort);
        QFETCH(double, kerf);
        QFETCH(int, sheets);
        const std::vector<SheetLayout> layout = nestParts(items, sheetLong, sheetShort, kerf);
        checkLayout(layout, items, sheetLong, sheetShort, kerf);
        if (QTest::currentTestFailed()) return;
        QVERIFY(int(layout.size()) <= rowSheets(items, sheetLong, sheetShort, kerf));
        if (sheets) QCOMPARE(int(layout.size()), sheets);
    }

    // Two copies fitted together, measured on the sheet.
    void pairs_data() {
        QTest::addColumn<Outline>("outline");
        QTest::addColumn<double>("kerf");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<bool>("oneTurned");
        QTest::addColumn<bool>("oneMirrored");
        QTest::newRow("default panels")
            << defaultPanel() << 4.0 << boundingBox(defaultPanel()).width() << 995.9 << true
            << false;
        // The turned wedge's long side kerf from the other's: kerf / cos(slope).
        QTest::newRow("wedges") << wedge(1500, 1000) << 4.0 << 1500.0
                                << 1000 + 4 * std::sqrt(1 + 1000.0 * 1000 / (1500 * 1500)) << true
                                << false;
        QTest::newRow("wedges, kerf 0")
            << wedge(1500, 1000) << 0.0 << 1500.0 << 1000.0 << true << false;
        QTest::newRow("rectangles side by side")
            << rectangle(1000, 500) << 4.0 << 2004.0 << 500.0 << false << false;
        // Sides of slope 1/2 kerf apart: kerf * sqrt(1 + 1/4) vertically.
        QTest::newRow("chevrons") << chevron() << 4.0 << 1000.0 << 750 + 4 * std::sqrt(1.25)
                                  << false << true;
    }

    void pairs() {
        QFETCH(Outline, outline);
        QFETCH(double, kerf);
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(bool, oneTurned);
        QFETCH(bool, oneMirrored);
        const Items items{item(0, 0, outline, 2)};
        const std::vector<SheetLayout> layout = nestParts(items, 2440, 1220, kerf);
        checkLayout(layout, items, 2440, 1220, kerf);
        QCOMPARE(int(layout.size()), 1);
        const std::vector<PlacedPart>& parts = layout.front().parts;
        QCOMPARE(int(parts.size()), 2);
        QRectF both = boundingBox(placed(outline, parts[0]));
        const QRectF second = boundingBox(placed(outline, parts[1]));
        both |= second;
        // Never tighter than the kerf allows, at most a few hundredths looser.
        QVERIFY2(both.width() >= width - 1e-6 && both.width() < width + 0.05,
                 qPrintable(QString::number(both.width(), 'f', 4)));
        QVERIFY2(std::abs(both.height() - height) < 0.05,
                 qPrintable(QString::number(both.height(), 'f', 4)));
        QCOMPARE(parts[0].turned() != parts[1].turned(), oneTurned);
        QCOMPARE(parts[0].mirrored != parts[1].mirrored, oneMirrored);
    }

    void refusals_data() {
        QTest::addColumn<Items>("items");
        QTest::addColumn<QString>("message");
        QTest::newRow("too many parts")
            << Items{item(0, 0, rectangle(100, 100), 60000), item(1, 0, rectangle(50, 50), 40001)}
            << "Trop de pièces à placer : 100001 (100000 au plus)";
        QTest::newRow("a count below zero")
            << Items{item(0, 0, rectangle(100, 100), 2), item(1, 0, rectangle(50, 50), -1)}
            << "Nombre de pièces négatif";
        QTest::newRow("longer than the sheet")
            << Items{item(0, 0, rectangle(2432.5, 100), 1)} << "Flanc trop grand pour les feuilles";
        QTest::newRow("wider than the sheet's short side either way, with kerf")
            << Items{item(0, 0, rectangle(1213, 1213), 1)} << "Flanc trop grand pour les feuilles";
    }

    void refusals() {
        QFETCH(Items, items);
        QFETCH(QString, message);
        try {
            nestParts(items, 2440, 1220, 4);
            QFAIL("no error");
        } catch (const QuarvelError& e) {
            QCOMPARE(e.message(), message);
        }
    }
};

QTEST_GUILESS_MAIN(TestNesting)
#include "test_nesting.moc"
