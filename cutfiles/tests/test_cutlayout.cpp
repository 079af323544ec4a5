#include "cutfile.h"
#include "cutlayout.h"
#include "decimaltext.h"
#include "outlinechecks.h"
#include "quarvelerror.h"
#include "sampleplan.h"

#include <cmath>
#include <QtTest>

class TestCutLayout : public QObject {
    Q_OBJECT

private slots:
    void formatFromPath_data();
    void formatFromPath();
    void decimals_data();
    void decimals();
    void partsSideBySide_data();
    void partsSideBySide();
    void stationMarksCrossTheFrameEdge();
    void pivotAsText();
    void labelsInsideTheirParts();
    void marksStayOnTheirParts_data();
    void marksStayOnTheirParts();
    void noPanelIsRefused_data();
    void noPanelIsRefused();
};

void TestCutLayout::formatFromPath_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("format"); // -1: none
    QTest::newRow("dxf") << "ramp.dxf" << int(CutFormat::Dxf);
    QTest::newRow("DXF capitals") << "/tmp/RAMP.DXF" << int(CutFormat::Dxf);
    QTest::newRow("svg mixed case") << "plan.Svg" << int(CutFormat::Svg);
    QTest::newRow("pdf") << "plan.pdf" << -1;
    QTest::newRow("no dot") << "plandxf" << -1;
    QTest::newRow("dxf not last") << "plan.dxf.txt" << -1;
}

void TestCutLayout::formatFromPath() {
    QFETCH(QString, path);
    QFETCH(int, format);
    const std::optional<CutFormat> found = cutFormatForPath(path);
    QCOMPARE(found ? int(*found) : -1, format);
}

void TestCutLayout::decimals_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("rounded up") << 1812.4355652982 << 4 << QByteArray("1812.4356");
    QTest::newRow("trailing zeros") << 2.5 << 4 << QByteArray("2.5");
    QTest::newRow("whole") << 100.0 << 6 << QByteArray("100");
    QTest::newRow("negative") << -3.14159 << 2 << QByteArray("-3.14");
    QTest::newRow("tiny negative is zero") << -0.00001 << 4 << QByteArray("0");
    QTest::newRow("bulge places") << -0.25804123456 << 10 << QByteArray("-0.2580412346");
    QTest::newRow("zeros inside the fraction") << 12.000305 << 6 << QByteArray("12.000305");
    QTest::newRow("below the last place") << 0.00004999 << 4 << QByteArray("0");
    QTest::newRow("half rounds away") << -0.00005 << 4 << QByteArray("-0.0001");
    QTest::newRow("no places") << 2.5 << 0 << QByteArray("3");
    QTest::newRow("beyond the whole units") << 1e17 << 4 << QByteArray("100000000000000000");
    QTest::newRow("negative zero") << -0.0 << 6 << QByteArray("0");
}

void TestCutLayout::decimals() {
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QByteArray, text);
    QCOMPARE(decimalText(value, decimals), text);
}

void TestCutLayout::partsSideBySide_data() {
    QTest::addColumn<bool>("left");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QStringList>("labels");
    // The two curves' panels are the same panel, cut ten times.
    QTest::newRow("both curves") << true << true << QStringList{"Courbes gauche et droite × 10"};
    QTest::newRow("left only") << true << false << QStringList{"Courbe gauche × 5"};
    QTest::newRow("right only") << false << true << QStringList{"Courbe droite × 5"};
}

void TestCutLayout::partsSideBySide() {
    QFETCH(bool, left);
    QFETCH(bool, right);
    QFETCH(QStringList, labels);
    const CutDrawing drawing = cutDrawing(samplePlan(left, right), false);
    QCOMPARE(int(drawing.cut.size()), labels.size());
    QVERIFY(drawing.sheets.empty());
    for (int i = 0; i < labels.size(); ++i) {
        const QRectF box = boundingBox(drawing.cut[i]);
        QVERIFY(std::abs(box.left() - i * (1812.4356 + partGap)) < 1e-3);
        QVERIFY(std::abs(box.width() - 1812.4356) < 1e-3);
        QVERIFY(std::abs(lowestV(box)) < 1e-9);
        QVERIFY(std::abs(highestV(box) - 789) < 1e-9);
        QCOMPARE(drawing.texts[i].text, labels[i]);
    }
}

void TestCutLayout::stationMarksCrossTheFrameEdge() {
    const ConstructionPlan plan = samplePlan(true, true);
    const CutDrawing drawing = cutDrawing(plan, false);
    const CurvePlan& curve = *plan.curves[leftCurve];
    int stations = 0;
    for (const DrawingLine& line : drawing.marks) {
        const double x = line.from.x();
        const double fromPivot = std::hypot(x - curve.pivot.x(), line.from.y() - curve.pivot.y());
        if (std::abs(fromPivot - curve.frameRadius) > 1e-6) continue; // not a station
        ++stations;
        // Straight into the panel, away from the pivot, as deep as the rib.
        const double tx = line.to.x() - line.from.x(), tv = line.to.y() - line.from.y();
        QVERIFY(std::abs(std::hypot(tx, tv) - plan.settings.ribDepth) < 1e-9);
        const double toPivot =
            std::hypot(line.to.x() - curve.pivot.x(), line.to.y() - curve.pivot.y());
        QVERIFY(std::abs(toPivot - curve.frameRadius - plan.settings.ribDepth) < 1e-6);
    }
    QCOMPARE(stations, int(curve.stationPoints.size()));
}

// The pivot lies off the wood, 1418 mm above the default panel's toe: the
// toe's part says so in a label, and nothing is drawn beyond the panel.
void TestCutLayout::pivotAsText() {
    const ConstructionPlan plan = samplePlan(true, false);
    const CutDrawing drawing = cutDrawing(plan, false);
    QStringList texts;
    for (const DrawingText& text : drawing.texts)
        texts << text.text;
    QCOMPARE(texts, QStringList({"Courbe gauche × 5", "pivot à 1418 mm au-dessus du pied"}));
    QCOMPARE(highestV(drawing.extent()), 789.0);
}

void TestCutLayout::labelsInsideTheirParts() {
    const CutDrawing drawing = cutDrawing(samplePlan(true, true), false);
    QCOMPARE(drawing.texts.size(), drawing.cut.size() + 1); // the name, then the pivot
    for (const DrawingText& text : drawing.texts) {
        const QRectF box = boundingBox(drawing.cut.front());
        QVERIFY(text.height > 5);
        // The label's box stays on the part's solid lower region.
        QVERIFY(text.at.x() > box.left() &&
                text.at.x() + 0.6 * text.height * text.text.size() < box.right());
        QVERIFY(text.at.y() > lowestV(box) && text.at.y() + text.height < highestV(box));
    }
}

void TestCutLayout::marksStayOnTheirParts_data() {
    QTest::addColumn<RampDimensions>("dims");
    QTest::addColumn<bool>("sheets");
    for (const MarkedDesign& d : markedDesigns()) {
        QTest::addRow("%s, side by side", d.name) << d.dims << false;
        QTest::addRow("%s, on sheets", d.name) << d.dims << true;
    }
}

// Every mark on the layer a shop engraves lies on a part, on the sheets too,
// where parts lie mirrored and turned.
void TestCutLayout::marksStayOnTheirParts() {
    QFETCH(RampDimensions, dims);
    QFETCH(bool, sheets);
    const ConstructionPlan plan = buildConstructionPlan(dims, ConstructionSettings{});
    const CutDrawing drawing = cutDrawing(plan, sheets);
    std::vector<OutlineArea> parts;
    for (const Outline& part : drawing.cut)
        parts.emplace_back(part);
    QVERIFY(!drawing.marks.empty());
    for (const DrawingLine& mark : drawing.marks) {
        const bool onAPart = std::any_of(parts.begin(), parts.end(), [&](const OutlineArea& part) {
            return part.holds(mark.from, mark.to);
        });
        QVERIFY2(onAPart, qPrintable(QStringLiteral("%1, %2 to %3, %4")
                                         .arg(mark.from.x())
                                         .arg(mark.from.y())
                                         .arg(mark.to.x())
                                         .arg(mark.to.y())));
    }
}

void TestCutLayout::noPanelIsRefused_data() {
    QTest::addColumn<bool>("sheets");
    QTest::newRow("side by side") << false;
    QTest::newRow("sheets") << true;
}

void TestCutLayout::noPanelIsRefused() {
    QFETCH(bool, sheets);
    QVERIFY_THROWS_EXCEPTION(QuarvelError,
                             cutFileBytes(samplePlan(false, false), CutFormat::Svg, sheets));
}

QTEST_GUILESS_MAIN(TestCutLayout)
#include "test_cutlayout.moc"
