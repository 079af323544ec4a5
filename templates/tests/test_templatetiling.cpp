#include "curvegeometry.h"
#include "framecurve.h"
#include "quarvelerror.h"
#include "templatetiling.h"

#include <algorithm>
#include <cmath>
#include <QtTest>

namespace {

const CurvePlan& defaultCurve() {
    static const ConstructionPlan plan =
        buildConstructionPlan(RampDimensions{}, ConstructionSettings{});
    return *plan.curves[leftCurve];
}

// Whether a rectangle holds a point of the band: along the frame curve's
// normals, within 150 mm of it and not more than 30 mm under the ground,
// sampled far finer than the tiling does.
// The default panel's lines that need the paper, from its check values,
// every 0.5 mm: the frame arc (centre (1812.44, 1507), radius 1418) from the
// toe up to the notch's floor at u 611.7, the floor back to u 556.0, the
// notch's back wall up to 789, and the toe's riser up to the flat's 89 mm.
std::vector<QPointF> defaultLines() {
    std::vector<QPointF> points;
    const QPointF c(1812.44, 1507);
    const double top = std::asin((1812.44 - 611.7) / 1418);
    for (double a = 0; a <= top; a += 0.5 / 1418)
        points.push_back({c.x() - 1418 * std::sin(a), c.y() - 1418 * std::cos(a)});
    for (double u = 611.7; u >= 556.0; u -= 0.5)
        points.push_back({u, 752.7});
    for (double v = 752.7; v <= 789; v += 0.5)
        points.push_back({556.0, v});
    for (double v = 0; v <= 89; v += 0.5)
        points.push_back({1812.44, v});
    return points;
}

} // namespace

Q_DECLARE_METATYPE(QRectF)

class TestTemplateTiling : public QObject {
    Q_OBJECT

private slots:
    void labels_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("label");
        QTest::newRow("first") << 0 << 0 << "A1";
        QTest::newRow("second row, third column") << 1 << 2 << "B3";
        QTest::newRow("last single letter") << 25 << 9 << "Z10";
        QTest::newRow("two letters") << 26 << 0 << "AA1";
        QTest::newRow("AB") << 27 << 3 << "AB4";
    }
    void labels() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, label);
        QCOMPARE(TemplateTiling::label(row, column), label);
    }

    // The default panel on A4: the band reaches from 150 mm inside the top of
    // the arc, along its normal, to 40 mm past the toe, and from 30 mm under
    // the ground to 30 mm above the pipe.
    void defaultPanelOnA4() {
        const CurvePlan& curve = defaultCurve();
        const TemplateTiling tiling(curve, 60.3, 210, 297, 10, 15);
        const QRectF region = tiling.region();
        const double topAngle = std::acos((1507 - 752.7) / 1418.0);
        QVERIFY(std::abs(highestV(region) - (782.85 + 60.3 / 2 + 30)) < 0.1);
        QVERIFY(std::abs(region.left() - (611.7 - 150 * std::sin(topAngle))) < 0.1);
        QVERIFY(std::abs(lowestV(region) + TemplateTiling::groundMargin) < 1e-6);
        QVERIFY(std::abs(region.right() - (1812.44 + TemplateTiling::toeMargin)) < 0.01);
        // 190 x 277 mm printed, 175 x 262 mm further per tile.
        QCOMPARE(tiling.columns(), int(std::ceil((region.width() - 190) / 175)) + 1);
        QCOMPARE(tiling.rows(), int(std::ceil((region.height() - 277) / 262)) + 1);
        QCOMPARE(tiling.columns(), 8);
        QCOMPARE(tiling.rows(), 4);
        QCOMPARE(int(tiling.tiles().size()), 11);
        // The top-left tile holds the notch; the toe lies in the bottom row.
        QVERIFY(tiling.printed(0, 0));
        QVERIFY(tiling.printed(3, 7));
        // Far from the curve: the top right above the flat, the bottom left under the deck.
        QVERIFY(!tiling.printed(0, 7));
        QVERIFY(!tiling.printed(3, 0));
        const QRectF a1 = tiling.area(0, 0);
        QCOMPARE(a1.left(), region.left());
        QCOMPARE(highestV(a1), highestV(region));
        QCOMPARE(a1.width(), 190.0);
        QCOMPARE(tiling.area(1, 1).left() - a1.left(), 175.0);
        QCOMPARE(highestV(a1) - highestV(tiling.area(1, 1)), 262.0);
    }

    // The printed tiles carry the panel's lines, and all of them but gaps
    // of at most 5 mm where three tiles' corners meet.
    void printedTilesCarryTheLines() {
        const CurvePlan& curve = defaultCurve();
        const TemplateTiling tiling(curve, 60.3, 210, 297, 10, 15);
        const std::vector<QPointF> lines = defaultLines();
        double gap = 0, widest = 0;
        for (const QPointF p : lines) {
            bool shown = false;
            for (const TemplateTile& tile : tiling.tiles())
                shown = shown || tile.area.contains(p);
            gap = shown ? 0 : gap + 0.5;
            widest = std::max(widest, gap);
        }
        QVERIFY2(widest <= 5, qPrintable(QString::number(widest)));
        for (const TemplateTile& tile : tiling.tiles()) {
            const int carried = int(std::count_if(lines.begin(), lines.end(), [&](QPointF p) {
                return tile.area.adjusted(7.5, 7.5, -7.5, -7.5).contains(p);
            }));
            QVERIFY2(carried * 0.5 >= 5, qPrintable(TemplateTiling::label(tile.row, tile.column) +
                                                    u' ' + QString::number(carried)));
        }
        // Row by row, each from the back end.
        for (size_t i = 1; i < tiling.tiles().size(); ++i) {
            const TemplateTile& a = tiling.tiles()[i - 1];
            const TemplateTile& b = tiling.tiles()[i];
            QVERIFY(a.row < b.row || (a.row == b.row && a.column < b.column));
        }
    }

    void hiddenPart_data() {
        QTest::addColumn<QRectF>("rect");
        QTest::addColumn<int>("least");
        QTest::addColumn<int>("most");
        // A 20 mm square on the curve, 700 mm behind the toe, where the
        // curve runs at 29.6° to the ground: the normals 1 mm apart along
        // the square's shadow on the curve, 20 (cos 29.6° + sin 29.6°) = 27.3 mm.
        QTest::newRow("on the curve") << QRectF(1102.44, 263.83, 20, 20) << 26 << 29;
        QTest::newRow("the toe") << QRectF(1800, 0, 10, 10) << TemplateTiling::areaWeight
                                 << TemplateTiling::areaWeight + 20;
        QTest::newRow("far above the flat") << QRectF(1700, 600, 100, 100) << 0 << 0;
        QTest::newRow("under the deck") << QRectF(100, 100, 100, 100) << 0 << 0;
    }
    void hiddenPart() {
        QFETCH(QRectF, rect);
        QFETCH(int, least);
        QFETCH(int, most);
        const TemplateTiling tiling(defaultCurve(), 60.3, 210, 297, 10, 15);
        const int hidden = tiling.hidden(rect);
        QVERIFY2(hidden >= least && hidden <= most, qPrintable(QString::number(hidden)));
    }

    void paperAndOverlap_data() {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("overlap");
        QTest::newRow("A4, 15") << 210.0 << 297.0 << 15.0;
        QTest::newRow("A4, 50") << 210.0 << 297.0 << 50.0;
        QTest::newRow("Letter, 5") << 215.9 << 279.4 << 5.0;
        QTest::newRow("A3, 15") << 297.0 << 420.0 << 15.0;
    }
    void paperAndOverlap() {
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(double, overlap);
        const TemplateTiling tiling(defaultCurve(), 60.3, width, height, 10, overlap);
        const QRectF region = tiling.region();
        const double stepU = width - 20 - overlap;
        const double stepV = height - 20 - overlap;
        // The last column and row reach the region's far edges, and one fewer would not.
        const QRectF last = tiling.area(tiling.rows() - 1, tiling.columns() - 1);
        QVERIFY(last.right() >= region.right() && last.right() - stepU < region.right());
        QVERIFY(lowestV(last) <= lowestV(region) && lowestV(last) + stepV > lowestV(region));
        // Neighbours share the overlap.
        QVERIFY(std::abs(tiling.area(0, 0).right() - tiling.area(0, 1).left() - overlap) < 1e-9);
        QVERIFY(std::abs(highestV(tiling.area(1, 0)) - lowestV(tiling.area(0, 0)) - overlap) <
                1e-9);
    }

    // A 60 m radius needs far more than 200 pages.
    void hugePanelIsRefused() {
        const CurvePlan curve = curveGeometry(6000, 60000, 30000, 6000, ConstructionSettings{});
        try {
            TemplateTiling(curve, 60.3, 210, 297, 10, 15);
            QFAIL("no refusal");
        } catch (const QuarvelError& e) {
            QCOMPARE(e.message(), QStringLiteral("Gabarit trop grand pour être imprimé en tuiles : "
                                                 "utilisez --paper full ou le fichier de découpe"));
        }
    }

    // Just under the cap still tiles: an A3 tiling of a large curve.
    void largePanelOnA3() {
        const CurvePlan curve = curveGeometry(3000, 3000, 3000, 3000, ConstructionSettings{});
        const TemplateTiling tiling(curve, 60.3, 297, 420, 10, 15);
        QVERIFY(tiling.tiles().size() <= 200);
        QVERIFY(tiling.tiles().size() < size_t(tiling.rows() * tiling.columns()));
    }
};

QTEST_MAIN(TestTemplateTiling)
#include "test_templatetiling.moc"
