#include "bookpagination.h"
#include "quarvelerror.h"
#include "tablecolumns.h"

#include <QtTest>

// Page breaking and column widths on hand-worked cases.

namespace {

// "page@top" per placement, e.g. "0@0 0@40 1@0".
QString placementsText(const std::vector<SlicePlacement>& placements) {
    QStringList parts;
    for (const SlicePlacement& p : placements)
        parts << QStringLiteral("%1:%2@%3").arg(p.slice).arg(p.page).arg(p.top);
    return parts.join(u' ');
}

PageSlice slice(double height, double spaceBefore = 0, bool glue = false, bool breakBefore = false,
                int header = -1) {
    return {height, spaceBefore, glue, breakBefore, header};
}

} // namespace

using Slices = std::vector<PageSlice>;
using Needs = std::vector<ColumnNeed>;
using Widths = std::vector<double>;

class TestBookLayout : public QObject {
    Q_OBJECT

private slots:
    void paginate_data();
    void paginate();
    void sliceTallerThanAPage();
    void fitColumnWidths_data();
    void fitColumnWidths();
};

// Pages 100 mm tall; "slice:page@top".
void TestBookLayout::paginate_data() {
    QTest::addColumn<Slices>("slices");
    QTest::addColumn<QString>("placed");
    QTest::newRow("fill, space dropped at the top")
        << Slices{slice(40), slice(40, 10), slice(40, 10), slice(30, 10)}
        << "0:0@0 1:0@50 2:1@0 3:1@50";
    QTest::newRow("exactly full") << Slices{slice(60), slice(30, 10), slice(5)}
                                  << "0:0@0 1:0@70 2:1@0";
    QTest::newRow("heading moves with the block after it")
        << Slices{slice(80), slice(10, 5, true), slice(20, 2)} << "0:0@0 1:1@0 2:1@12";
    QTest::newRow("glued run taller than a page breaks where needed")
        << Slices{slice(50), slice(60, 0, true), slice(60)} << "0:0@0 1:1@0 2:2@0";
    QTest::newRow("glued run that fits on a page moves whole")
        << Slices{slice(50), slice(30, 0, true), slice(30, 0, true), slice(30)}
        << "0:0@0 1:1@0 2:1@30 3:1@60";
    QTest::newRow("break before, not on an empty page")
        << Slices{slice(10, 0, false, true), slice(10, 0, false, true), slice(10, 5)}
        << "0:0@0 1:1@0 2:1@15";
    QTest::newRow("glue stops at a forced break")
        << Slices{slice(10, 0, true), slice(10, 0, false, true)} << "0:0@0 1:1@0";
    // A table: heading row 10, rows 30; each page it continues on starts
    // with the heading row again.
    QTest::newRow("table heading repeated")
        << Slices{slice(20),
                  slice(10, 5, true),
                  slice(30, 0, false, false, 1),
                  slice(30, 0, false, false, 1),
                  slice(30, 0, false, false, 1),
                  slice(30, 0, false, false, 1),
                  slice(30, 0, false, false, 1)}
        << "0:0@0 1:0@25 2:0@35 3:0@65 1:1@0 4:1@10 5:1@40 6:1@70";
    QTest::newRow("table heading never alone at a page's foot")
        << Slices{slice(80), slice(10, 5, true), slice(30, 0, false, false, 1)}
        << "0:0@0 1:1@0 2:1@10";
}

void TestBookLayout::paginate() {
    QFETCH(Slices, slices);
    QFETCH(QString, placed);
    QCOMPARE(placementsText(::paginate(slices, 100)), placed);
}

void TestBookLayout::sliceTallerThanAPage() {
    QVERIFY_THROWS_EXCEPTION(QuarvelError, ::paginate({slice(10), slice(101)}, 100));
    // A row that fits alone, but not under its repeated heading.
    QVERIFY_THROWS_EXCEPTION(QuarvelError,
                             ::paginate({slice(10, 0, true), slice(95, 0, false, false, 0)}, 100));
}

void TestBookLayout::fitColumnWidths_data() {
    QTest::addColumn<Needs>("needs");
    QTest::addColumn<double>("available");
    QTest::addColumn<Widths>("widths");
    QTest::newRow("all natural") << Needs{{30, 10}, {50, 20}} << 100.0 << Widths{30, 50};
    // Natural 20 + 90 + 25 = 135 in 100: the cap c with 20 + c + 25 = 100.
    QTest::newRow("widest narrowed")
        << Needs{{20, 15}, {90, 30}, {25, 20}} << 100.0 << Widths{20, 55, 25};
    // Natural 60 + 60 + 10 in 100: both wide ones capped at 45.
    QTest::newRow("two capped alike")
        << Needs{{60, 20}, {60, 30}, {10, 10}} << 100.0 << Widths{45, 45, 10};
    // A cap of 30 would leave the second column below its least 50.
    QTest::newRow("least kept") << Needs{{80, 10}, {90, 50}} << 80.0 << Widths{30, 50};
    QTest::newRow("least too wide: scaled")
        << Needs{{80, 60}, {120, 100}} << 80.0 << Widths{30, 50};
}

void TestBookLayout::fitColumnWidths() {
    QFETCH(Needs, needs);
    QFETCH(double, available);
    QFETCH(Widths, widths);
    const Widths fitted = ::fitColumnWidths(needs, available);
    QCOMPARE(fitted.size(), widths.size());
    for (size_t i = 0; i < widths.size(); ++i)
        QVERIFY2(std::abs(fitted[i] - widths[i]) < 1e-9,
                 qPrintable(QStringLiteral("column %1: %2").arg(i).arg(fitted[i])));
}

QTEST_MAIN(TestBookLayout)
#include "test_booklayout.moc"
