#include "cutfile.h"
#include "cutlayout.h"
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
    void decimalsAsPrintedDoubles_data();
    void decimalsAsPrintedDoubles();
    void decimalsAppended();
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

// The text decimalText gives by rounding the double and printing it through
// Qt, as the files always were written.
static QByteArray printedRoundedDouble(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0) rounded = 0;
    QByteArray text = QByteArray::number(rounded, 'f', decimals);
    if (text.contains('.')) {
        while (text.endsWith('0'))
            text.chop(1);
        if (text.endsWith('.')) text.chop(1);
    }
    return text;
}

void TestCutLayout::decimalsAsPrintedDoubles_data() {
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("magnitude");
    QTest::newRow("svg coordinates") << 4 << 5000.0;
    QTest::newRow("dxf coordinates") << 6 << 5000.0;
    QTest::newRow("dxf large coordinates") << 6 << 4e9;
    QTest::newRow("bulges") << 10 << 2.0;
    QTest::newRow("bulges of near half circles") << 10 << 400000.0;
}

// The digits are written from the rounded number of units: they must be those
// of the printed rounded double, halves and long fractions included.
void TestCutLayout::decimalsAsPrintedDoubles() {
    QFETCH(int, decimals);
    QFETCH(double, magnitude);
    quint64 state = 0x9e3779b97f4a7c15ull;
    int differences = 0;
    for (int i = 0; i < 200000; ++i) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        const double unit = double(state >> 11) / double(1ull << 53);
        double value = (2 * unit - 1) * magnitude;
        // Every fourth value lies on a half of the last place, or next to it.
        if (i % 4 == 0) value = (std::floor(value) + 0.5) / std::pow(10.0, decimals);
        if (i % 4 == 1) value = std::nextafter(std::floor(value * 1e3) / 1e3, 0.0);
        if (decimalText(value, decimals) != printedRoundedDouble(value, decimals) &&
            ++differences < 5)
            qWarning("%.17g: %s, not %s", value, decimalText(value, decimals).constData(),
                     printedRoundedDouble(value, decimals).constData());
    }
    QCOMPARE(differences, 0);
}

void TestCutLayout::decimalsAppended() {
    std::string text = "x ";
    appendDecimalText(text, 1812.4355652982, 4);
    text += ' ';
    appendDecimalText(text, -0.5, 6);
    QCOMPARE(QByteArray::fromStdString(text), QByteArray("x 1812.4356 -0.5"));
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
