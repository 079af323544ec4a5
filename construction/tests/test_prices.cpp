#include "constructionplan.h"
#include "prices.h"

#include <QStringList>
#include <QTest>

namespace {

// "sheet 1220x2440x18 5 267.91 | ...": every line's item, quantity and price.
QString linesText(const PlanCost& cost, const QString& only = QString()) {
    QStringList texts;
    for (const CostLine& l : cost.lines)
        if (only.isEmpty() || l.item.startsWith(only))
            texts << QStringLiteral("%1 %2 %3")
                         .arg(l.item, QString::number(l.quantity), centsText(l.cents));
    return texts.join(QStringLiteral(" | "));
}

PriceTable handPrices() {
    return parsePriceFile("[prices]\n"
                          "sheet = 1\ntimber = 3.00\npipe = 10\nscrews_short = 5\n"
                          "screws_long = 10\nlag = 0.0025\nbolt = 2\nbracket = 3.5\nglue = 20\n"
                          "currency = CHF\n");
}

} // namespace

class TestPrices : public QObject {
    Q_OBJECT
private slots:
    void priceFile();
    void refusedFiles_data();
    void refusedFiles();
    void defaultDesign();
    void legsInTheirOwnSection();
};

void TestPrices::priceFile() {
    // A byte-order mark, CR LF, comments, another section, keys left to their defaults.
    const PriceTable t = parsePriceFile("\xef\xbb\xbf; mes prix\r\n[other]\r\nfoo = 1\r\n"
                                        "[prices]\r\n# bois\r\ntimber=3.1\r\n currency = $ \r\n"
                                        "glue = 0.0001\r\n");
    QCOMPARE(t.timber, 31000LL);
    QCOMPARE(t.glue, 1LL);
    QCOMPARE(t.currency, QStringLiteral("$"));
    QCOMPARE(t.sheet, PriceTable{}.sheet);
    QVERIFY(!t.indicative());
    QVERIFY(parsePriceFile("[prices]\n").indicative());
}

void TestPrices::refusedFiles_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown key") << QByteArray("[prices]\nwood = 2\n")
                                 << "Fichier de prix incorrect : wood (clé inconnue)";
    QTest::newRow("not a number")
        << QByteArray("[prices]\nglue = abc\n")
        << "Fichier de prix incorrect : glue=abc (un nombre de 0 à 1000000, point décimal, au "
           "plus 4 décimales)";
    QTest::newRow("decimal comma")
        << QByteArray("[prices]\ntimber = 2,40\n")
        << "Fichier de prix incorrect : timber=2,40 (un nombre de 0 à 1000000, point décimal, au "
           "plus 4 décimales)";
    QTest::newRow("five decimals")
        << QByteArray("[prices]\nsheet = 0.12345\n")
        << "Fichier de prix incorrect : sheet=0.12345 (un nombre de 0 à 1000000, point décimal, "
           "au plus 4 décimales)";
    QTest::newRow("negative")
        << QByteArray("[prices]\nlag = -1\n")
        << "Fichier de prix incorrect : lag=-1 (un nombre de 0 à 1000000, point décimal, au plus "
           "4 décimales)";
    QTest::newRow("too dear")
        << QByteArray("[prices]\nbolt = 1000000.01\n")
        << "Fichier de prix incorrect : bolt=1000000.01 (un nombre de 0 à 1000000, point "
           "décimal, au plus 4 décimales)";
    QTest::newRow("long currency") << QByteArray("[prices]\ncurrency = dollars US\n")
                                   << "Fichier de prix incorrect : currency=dollars US (de 1 à 8 "
                                      "caractères)";
    QTest::newRow("outside a section") << QByteArray("sheet = 1\n[prices]\n")
                                       << "Fichier de prix incorrect : sheet (hors de la "
                                          "section [prices])";
    QTest::newRow("no key") << QByteArray("[prices]\nsheet\n")
                            << "Fichier de prix incorrect : sheet (une ligne clé = valeur)";
    QTest::newRow("no prices") << QByteArray("[price]\nsheet = 1\n")
                               << "Fichier de prix incorrect : pas de section [prices]";
}

void TestPrices::refusedFiles() {
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    try {
        parsePriceFile(text);
        QFAIL("not refused");
    } catch (const PriceFileError& e) {
        QCOMPARE(e.message(), message);
    }
}

// The default design at hand-set prices: sheets 1.22 × 2.44 m² × 18 (or 9)
// mm at 1 a m² a mm, 53.5824 (26.7912) each; boards 3 a metre; pipes 2.44
// m at 10; screws a hundred at 5 (up to 50 mm) and 10; 18 lag screws at
// 0.0025, 0.045: half a cent, up.
void TestPrices::defaultDesign() {
    const ConstructionPlan plan = buildConstructionPlan(RampDimensions{}, ConstructionSettings{});
    const PlanCost cost = planCost(plan, handPrices());
    QCOMPARE(linesText(cost),
             QStringLiteral("sheet 1220x2440x18 5 267.91 | sheet 1220x2440x9 10 267.91 | board "
                            "89x38x4800 16 230.40 | board 89x38x3000 2 18.00 | pipe 60.3x2440 2 "
                            "48.80 | surface_screw 4.5x45 640 32.00 | surface_screw 4.5x35 640 "
                            "32.00 | frame_screw 6x80 110 11.00 | frame_screw 6x60 270 27.00 | "
                            "toe_screw 6x60 220 22.00 | lag_screw 8x130 18 0.05"));
    QCOMPARE(cost.cents, 95707LL);
    QCOMPARE(cost.currency, QStringLiteral("CHF"));
    QVERIFY(!cost.indicative);
    QVERIFY(planCost(plan, PriceTable{}).indicative);
}

// 20 legs of 700 in 89 × 89: five to a 3600 board (3516 with the kerfs),
// 4 boards, 14.4 m, the least; a metre costs 89 × 89 / (89 × 38) as much as
// the rib timber's: 4 × 3.6 × 3 × 89 / 38 = 101.1789...
void TestPrices::legsInTheirOwnSection() {
    const ConstructionPlan plan = buildConstructionPlan(
        RampDimensions{}, parseConstructionLine("construction: back=300,300"));
    const PlanCost cost = planCost(plan, handPrices());
    QCOMPARE(linesText(cost, QStringLiteral("board 89x89")),
             QStringLiteral("board 89x89x3600 4 101.18"));
    // 16 bolts at 2, 20 brackets at 3.5 and their 160 screws, 104 brace screws.
    QCOMPARE(linesText(cost, QStringLiteral("b")).section(QStringLiteral(" | "), -4),
             QStringLiteral("bolt M10x100 18 36.00 | bracket 22 77.00 | bracket_screw 4.5x35 180 "
                            "9.00 | brace_screw 6x70 120 12.00"));
}

QTEST_APPLESS_MAIN(TestPrices)
#include "test_prices.moc"
