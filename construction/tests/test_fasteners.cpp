#include "constructionplan.h"
#include "fasteners.h"

#include <QStringList>
#include <QTest>

namespace {

// "surface_screw 4.5x45 578/640 | ...": every row, item, size, count and buy.
QString rowsText(const std::vector<FastenerCount>& rows) {
    QStringList texts;
    for (const FastenerCount& f : rows)
        texts << QStringLiteral("%1 %2 %3/%4")
                     .arg(QLatin1String(fastenerKey(f.item)), f.size)
                     .arg(f.count)
                     .arg(f.buy);
    return texts.join(QStringLiteral(" | "));
}

} // namespace

class TestFasteners : public QObject {
    Q_OBJECT
private slots:
    void buying_data();
    void buying();
    void screwLengths_data();
    void screwLengths();
    void splicePlates_data();
    void splicePlates();
    void plans_data();
    void plans();
    void splicedPanels();
};

void TestFasteners::buying_data() {
    QTest::addColumn<long long>("count");
    QTest::addColumn<long long>("screws");
    QTest::addColumn<long long>("pieces");
    QTest::addColumn<long long>("glue");
    QTest::newRow("none") << 0LL << 0LL << 0LL << 0LL;
    QTest::newRow("one") << 1LL << 10LL << 2LL << 100LL;
    // 1.1 × 10 = 11: up to 20 screws, 11 bolts.
    QTest::newRow("ten") << 10LL << 20LL << 11LL << 100LL;
    QTest::newRow("sixteen") << 16LL << 20LL << 18LL << 100LL;
    QTest::newRow("a hundred") << 100LL << 110LL << 110LL << 100LL;
    QTest::newRow("578") << 578LL << 640LL << 636LL << 600LL;
}

void TestFasteners::buying() {
    QFETCH(long long, count);
    QFETCH(long long, screws);
    QFETCH(long long, pieces);
    QFETCH(long long, glue);
    QCOMPARE(screwsToBuy(count), screws);
    QCOMPARE(piecesToBuy(count), pieces);
    QCOMPARE(glueToBuy(count), glue);
}

void TestFasteners::screwLengths_data() {
    QTest::addColumn<double>("wanted");
    QTest::addColumn<QString>("up");
    QTest::addColumn<QString>("down");
    QTest::newRow("surface, two layers") << 43.0 << "4.5x45"
                                         << "4.5x40";
    QTest::newRow("on a stock length") << 45.0 << "4.5x45"
                                       << "4.5x45";
    QTest::newRow("panel 18 + 50") << 68.0 << "6x70"
                                   << "6x60";
    QTest::newRow("panel 9 + 50") << 59.0 << "6x60"
                                  << "4.5x50";
    QTest::newRow("beyond the longest") << 200.0 << "6x160"
                                        << "6x160";
    QTest::newRow("below the shortest") << 10.0 << "4.5x16"
                                        << "4.5x16";
}

void TestFasteners::screwLengths() {
    QFETCH(double, wanted);
    QFETCH(QString, up);
    QFETCH(QString, down);
    QCOMPARE(woodScrewSize(screwLengthUp(wanted)), up);
    QCOMPARE(woodScrewSize(screwLengthDown(wanted)), down);
}

void TestFasteners::splicePlates_data() {
    QTest::addColumn<QList<double>>("joints"); // 300 mm wide plates
    QTest::addColumn<double>("panel");
    QTest::addColumn<long long>("screws");
    QTest::addColumn<QString>("size");
    QTest::addColumn<long long>("glue");
    // 700: 650 between the end screws, 7 gaps, 8 a row, 4 rows; 0.21 m² × 150 g.
    QTest::newRow("one plate") << QList<double>{700} << 18.0 << 32LL << "4.5x30" << 32LL;
    // 400: 5 a row, 20; 0.33 m² in all.
    QTest::newRow("two plates") << QList<double>{700, 400} << 18.0 << 52LL << "4.5x30" << 50LL;
    // 2 × 25 − 3 = 47: 45 long.
    QTest::newRow("thick panels") << QList<double>{700} << 25.0 << 32LL << "4.5x45" << 32LL;
    QTest::newRow("none") << QList<double>{} << 18.0 << 0LL << "4.5x30" << 0LL;
}

void TestFasteners::splicePlates() {
    QFETCH(QList<double>, joints);
    QFETCH(double, panel);
    QFETCH(long long, screws);
    QFETCH(QString, size);
    QFETCH(long long, glue);
    std::vector<SplicePlate> plates;
    for (double joint : joints)
        plates.push_back({joint, joint * 300});
    const SpliceFastening f = spliceFastening(plates, panel);
    QCOMPARE(f.screws, screws);
    QCOMPARE(woodScrewSize(f.screwLength), size);
    QCOMPARE(f.glueGrams, glue);
}

void TestFasteners::plans_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("rows");
    // Surface: 9 + 9 ribs, 3 + 3 deck joists, 8 flat joists = 32 lines; each
    // layer has two seams over a single rib (its third lies on the flat's
    // doubled joists): 34 rows of 17. Ends: 24 lines across 5 panels (10
    // straight, 6 toe screws each), 8 across 5 stringers, and 2 screws in
    // each of the 4 bays at both ends of the flat. 2 lag screws a bay.
    QTest::newRow("default")
        << QString()
        << "surface_screw 4.5x45 578/640 | surface_screw 4.5x35 578/640 | frame_screw 6x80 96/110 "
           "| frame_screw 6x60 240/270 | toe_screw 6x60 192/220 | lag_screw 8x130 16/18";
    // Each deck: a frame of 2 rims on 5 stringers, the panels' rim and the
    // coping block: 36 rows; 11 lines across the panels a curve. 2 bolts a
    // bay; 10 legs a deck, 8 screws a bracket; 13 braces, 4 screws each.
    QTest::newRow("decks on legs")
        << "back=300,300"
        << "surface_screw 4.5x45 612/680 | surface_screw 4.5x35 612/680 | frame_screw 6x80 "
           "136/150 | frame_screw 6x60 220/250 | toe_screw 6x60 204/230 | lag_screw 8x130 16/18 "
           "| bolt M10x100 16/18 | bracket  20/22 | bracket_screw 4.5x35 160/180 | brace_screw "
           "6x70 104/120";
}

void TestFasteners::plans() {
    QFETCH(QString, settings);
    QFETCH(QString, rows);
    const ConstructionPlan plan =
        buildConstructionPlan(RampDimensions{}, parseConstructionLine(settings.toUtf8()));
    QCOMPARE(rowsText(plan.fasteners), rows);
}

// A 122 cm curve of radius 250 over 488 cm, decks of 120 cm framed behind
// 300 and 600 mm of panel: each curve's 9 panels cut once, each joint with
// one plate. The plates (from the plan's outlines) reach 532.5 and 996.0 mm
// along their joints; screws 4 rows of ceil((L - 50) / 100) + 1: 24 + 44 a
// panel, 9 × 68 = 612; glue 150 g/m² over 9 × (133373 + 259915) mm² =
// 3.54 m²: 531 g.
void TestFasteners::splicedPanels() {
    RampDimensions dims;
    dims.P1 = dims.P2 = 120;
    dims.R1 = dims.R2 = 250;
    dims.H1 = dims.H2 = 122;
    dims.F = 300;
    dims.W = 488;
    const ConstructionPlan plan =
        buildConstructionPlan(dims, parseConstructionLine("back=300,600"));
    std::size_t splits = 0;
    for (const auto& curve : plan.curves)
        splits += curve ? curve->splits.size() : 0;
    QCOMPARE(splits, std::size_t(2));
    QStringList splice;
    for (const FastenerCount& f : plan.fasteners)
        if (f.item == FastenerItem::spliceScrew || f.item == FastenerItem::glue)
            splice << rowsText({f});
    QCOMPARE(splice.join(QStringLiteral(" | ")),
             QStringLiteral("splice_screw 4.5x30 612/680 | glue g 531/600"));
}

QTEST_APPLESS_MAIN(TestFasteners)
#include "test_fasteners.moc"
