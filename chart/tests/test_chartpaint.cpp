#include "chartexception.h"
#include "chartfixture.h"
#include "paintcounter.h"
#include "pixelcount.h"
#include "polygonscanner.h"
#include "tcolorpalette.h"
#include "tlineseries.h"

#include <QTest>

#include <QWheelEvent>

#include <algorithm>
#include <vector>

namespace {

constexpr QRgb silver = 0xFFC0C0C0;
constexpr QRgb white = 0xFFFFFFFF;
constexpr QRgb black = 0xFF000000;
constexpr QRgb paleYellow = 0xFFFFFF80;
constexpr QRgb red = 0xFFFF0000;
constexpr QRgb darkRed = 0xFFBF0000; // red with 64 off each channel

struct Point {
    double x, y;
    TColor colour = clRed;
};

// A 900 x 465 chart with its axes fixed and the given points, painted once
// so that the layout is known.
void loadPoints(TChart& chart, const std::vector<Point>& points, double xMin, double xMax,
                double yMin, double yMax) {
    chart.resize(900, 465);
    TChartSeries& series = *chart.Series(0);
    series.ClearValues();
    for (const Point& p : points)
        series.AddPoint(p.x, p.y, QString(), p.colour);
    chart.BottomAxis()->SetRange(xMin, xMax);
    chart.LeftAxis()->SetRange(yMin, yMax);
    chartfixture::paintFull(chart);
}

// Pixels darker than the background (antialiased text has few pure blacks).
int countDark(const QImage& image, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 100) ++n;
    return n;
}

QRgb paletteRgb(const TChart& chart, TColor colour) {
    return toQColor(colour, chart.palette()).rgb() | 0xFF000000;
}

} // namespace

Q_DECLARE_METATYPE(std::vector<Point>)

class TestChartPaint : public QObject {
    Q_OBJECT

private slots:
    void layoutOfTheEmptyChart_data() {
        QTest::addColumn<bool>("view3D");
        QTest::addColumn<QRect>("beforeAxes");
        QTest::addColumn<int>("depth");
        QTest::newRow("3D") << true << QRect(QPoint(27, 104), QPoint(787, 445)) << 85;
        QTest::newRow("2D") << false << QRect(QPoint(27, 19), QPoint(872, 445)) << 0;
    }
    void layoutOfTheEmptyChart() {
        QFETCH(bool, view3D);
        QFETCH(QRect, beforeAxes);
        QFETCH(int, depth);
        TChart chart;
        chart.resize(900, 465);
        chart.SetView3D(view3D);
        chartfixture::paintFull(chart);
        QCOMPARE(chart.lastLayout().beforeAxes.toQRect(), beforeAxes);
        QCOMPARE(chart.lastLayout().depth.totalDepth, depth);
        QCOMPARE(chart.lastLayout().depth.seriesDepth, depth);
        // The axes take their share from the left and the bottom only.
        const QRect plot = chart.PlotRect();
        QVERIFY(plot.left() > beforeAxes.left());
        QVERIFY(plot.bottom() < beforeAxes.bottom());
        QCOMPARE(plot.top(), beforeAxes.top());
        QCOMPARE(plot.right(), beforeAxes.right());
        QCOMPARE(chart.PlotWidth(), plot.width());
        QCOMPARE(chart.PlotHeight(), plot.height());
    }

    void wallsAndFloorIn3D() {
        TChart chart;
        chart.resize(900, 465);
        const QImage image = chartfixture::paintFull(chart);
        const ChartRect r = chart.plotRectEdges();
        const int d = chart.lastLayout().depth.totalDepth;
        const int midY = (r.top + r.bottom) / 2;
        QCOMPARE(image.pixel(r.left + 20, r.bottom - 5), white);          // floor
        QCOMPARE(image.pixel(r.right - 5, r.bottom - 2), white);          // floor, right end
        QCOMPARE(image.pixel(r.left + 5, midY + 30), paleYellow);         // left wall
        QCOMPARE(image.pixel(r.left + d / 2, r.top - d / 4), paleYellow); // left wall, top
        QCOMPARE(image.pixel(r.left + d + 40, r.top - d + 40), silver);   // back wall: outline only
        // black outlines: the back wall's corners, the front edges of floor and wall
        QCOMPARE(image.pixel(r.left + d, r.top - d), black);
        QCOMPARE(image.pixel(r.right + d, r.top - d), black);
        QCOMPARE(image.pixel(r.right + d, r.bottom - d), black);
        QCOMPARE(image.pixel(r.left + 200, r.bottom), black);
        QCOMPARE(image.pixel(r.right, r.bottom - 1), white);
        QCOMPARE(image.pixel(r.left, midY + 30), black);
        // outside the box the background shows
        QCOMPARE(image.pixel(r.right + d + 5, midY), silver);
        QCOMPARE(image.pixel(r.right + 10, r.bottom - 2), silver);
    }

    // The axis lines run along the plot rectangle's left and bottom edge
    // lines, the left one down to the bottom one's last row; the ticks stand
    // outside them and the grid crosses the floor (3D) and the back wall.
    void axisTicksAndGrid_data() {
        QTest::addColumn<bool>("view3D");
        QTest::addColumn<QRect>("plotEdges"); // left, top, right, bottom edge lines
        QTest::addColumn<int>("depth");
        QTest::newRow("3D") << true << QRect(QPoint(55, 104), QPoint(788, 427)) << 85;
        QTest::newRow("2D") << false << QRect(QPoint(55, 19), QPoint(873, 427)) << 0;
    }
    void axisTicksAndGrid() {
        QFETCH(bool, view3D);
        QFETCH(QRect, plotEdges);
        QFETCH(int, depth);
        TChart chart;
        chartfixture::loadDesign(chart);
        chart.SetView3D(view3D);
        // The design's axes without its profile, which would hide the grid.
        chart.Series(0)->ClearValues();
        const QImage image = chartfixture::paintFull(chart);
        const ChartRect r = chart.plotRectEdges();
        QCOMPARE(QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom)), plotEdges);
        QCOMPARE(chart.lastLayout().depth.totalDepth, depth);
        QCOMPARE(chart.BottomAxis()->Axis().Width(), 2);
        QCOMPARE(chart.LeftAxis()->Axis().Width(), 2);
        constexpr QRgb gray = 0xFF808080;
        auto blackIn = [&](const QRect& area) { return countPixels(image, black, area); };

        // Bottom axis: rows 428 and 429 from the left edge line to the right
        // one, and not a pixel further.
        const QRect bottomLine(QPoint(r.left, r.bottom + 1), QPoint(r.right, r.bottom + 2));
        QCOMPARE(blackIn(bottomLine), bottomLine.width() * 2);
        QCOMPARE(blackIn(QRect(QPoint(r.right + 1, r.bottom + 1), QPoint(899, r.bottom + 2))), 0);
        // Left axis: columns 53 and 54 from the top edge line down to row 429.
        const QRect leftLine(QPoint(r.left - 2, r.top), QPoint(r.left - 1, r.bottom + 2));
        QCOMPARE(blackIn(leftLine), leftLine.height() * 2);
        QCOMPARE(blackIn(QRect(QPoint(r.left - 2, r.bottom + 3), QPoint(r.left - 1, 464))), 0);
        QCOMPARE(blackIn(QRect(QPoint(r.left - 2, 0), QPoint(r.left - 1, r.top - 1))), 0);

        // Bottom ticks: 4 pixels from row 430, one per grid line (the minor
        // ticks between them are 2 long).
        QList<int> ticks;
        for (int x = r.left; x <= r.right; ++x)
            if (image.pixel(x, r.bottom + 6) == gray) ticks << x;
        QVERIFY2(ticks.size() >= 5, qPrintable(QString::number(ticks.size())));
        QCOMPARE(ticks.front(), r.left);
        for (int x : ticks) {
            QCOMPARE(countPixels(image, gray, QRect(x, r.bottom + 3, 1, 4)), 4);
            QCOMPARE(image.pixel(x, r.bottom + 7), silver);
        }
        // Left ticks: 4 pixels ending at column 52.
        QList<int> leftTicks;
        for (int y = r.top; y <= r.bottom; ++y)
            if (image.pixel(r.left - 6, y) == gray) leftTicks << y;
        QVERIFY2(leftTicks.size() >= 3, qPrintable(QString::number(leftTicks.size())));
        QCOMPARE(leftTicks.back(), r.bottom);
        for (int y : leftTicks) {
            QCOMPARE(countPixels(image, gray, QRect(r.left - 6, y, 4, 1)), 4);
            QCOMPARE(image.pixel(r.left - 7, y), silver);
        }

        // The bottom axis' grid, dotted: across the floor to the back wall,
        // then up it; in 2D straight up the plot. The first tick's
        // line is the left wall's edge, drawn over by the outline.
        for (int x : ticks.mid(1)) {
            if (view3D) {
                int onFloor = 0;
                for (int k = 1; k < depth; ++k)
                    if (image.pixel(x + k, r.bottom - k) == gray) ++onFloor;
                QVERIFY2(2 * onFloor >= depth - 2,
                         qPrintable(
                             QStringLiteral("x %1: %2 of %3").arg(x).arg(onFloor).arg(depth - 1)));
            }
            int upWall = 0;
            for (int y = r.top - depth + 1; y < r.bottom - depth; ++y)
                if (image.pixel(x + depth, y) == gray) ++upWall;
            QVERIFY2(2 * upWall >= r.bottom - r.top - 2,
                     qPrintable(QStringLiteral("x %1: %2").arg(x).arg(upWall)));
        }
        // The left axis' grid: across the left wall, then along the back wall.
        for (int y : leftTicks.mid(0, leftTicks.size() - 1)) {
            int onWall = 0;
            for (int k = 1; k < depth; ++k)
                if (image.pixel(r.left + k, y - k) == gray) ++onWall;
            QVERIFY2(2 * onWall >= depth - 2,
                     qPrintable(QStringLiteral("y %1: %2 of %3").arg(y).arg(onWall).arg(depth)));
            int alongBack = 0;
            for (int x = r.left + depth + 1; x < r.right + depth; ++x)
                if (image.pixel(x, y - depth) == gray) ++alongBack;
            QVERIFY2(2 * alongBack >= r.right - r.left - 2,
                     qPrintable(QStringLiteral("y %1: %2").arg(y).arg(alongBack)));
        }
    }

    void only2DBackWallOutline() {
        TChart chart;
        chart.resize(900, 465);
        chart.SetView3D(false);
        const QImage image = chartfixture::paintFull(chart);
        const ChartRect r = chart.plotRectEdges();
        const int midY = (r.top + r.bottom) / 2;
        QCOMPARE(image.pixel(r.left + 20, r.bottom - 5), silver); // no floor
        QCOMPARE(image.pixel(r.left + 5, midY + 30), silver);     // no left wall
        QCOMPARE(image.pixel(r.left, midY + 30), black);          // the outline
        QCOMPARE(image.pixel(r.right, midY + 30), black);
        QCOMPARE(image.pixel(r.left + 100, r.top), black);
        QCOMPARE(image.pixel(r.left + 100, r.bottom), black);
        QCOMPARE(countPixels(image, white, QRect(0, 0, 900, 465)) <
                     countPixels(image, white, QRect(0, 0, 2, 465)) + 900,
                 true); // nothing white but the bevel
        QCOMPARE(countPixels(image, paleYellow, QRect(0, 0, 900, 465)), 0);
    }

    void backgroundAndBevel() {
        TChart chart;
        chart.resize(900, 465);
        const QImage image = chartfixture::paintFull(chart);
        const QRgb light = paletteRgb(chart, clBtnHighlight);
        const QRgb dark = paletteRgb(chart, clBtnShadow);
        QCOMPARE(image.pixel(0, 0), light);
        QCOMPARE(image.pixel(0, 300), light);
        QCOMPARE(image.pixel(500, 0), light);
        QCOMPARE(image.pixel(899, 0), dark);
        QCOMPARE(image.pixel(899, 300), dark);
        QCOMPARE(image.pixel(300, 464), dark);
        QCOMPARE(image.pixel(0, 464), dark);
        QCOMPARE(image.pixel(1, 1), silver);
        QCOMPARE(image.pixel(898, 463), silver);
        QCOMPARE(image.pixel(5, 5), silver);
    }

    void emptySeriesDrawsNothing() {
        TChart chart;
        chart.resize(900, 465);
        PaintCounter paints(chart.Canvas());
        const QImage empty = chartfixture::paintFull(chart);
        QCOMPARE(paints.fullPaints, 1);
        QCOMPARE(paints.segmentsInLastPaint, 0);
        // one point only starts the line: nothing more is drawn
        chart.Series(0)->AddPoint(0, 0, QString(), clRed);
        const QImage onePoint = chartfixture::paintFull(chart);
        QCOMPARE(paints.fullPaints, 2);
        QCOMPARE(paints.segmentsInLastPaint, 0);
        QCOMPARE(onePoint, empty);
        // the axes are drawn: a label "0" for each range-zero axis, in black
        const ChartRect r = chart.plotRectEdges();
        QVERIFY(countDark(empty, QRect(QPoint(0, r.top), QPoint(r.left - 8, r.bottom))) > 0);
        QVERIFY(countDark(empty, QRect(QPoint(r.left, r.bottom + 8), QPoint(r.right, 462))) > 0);
    }

    void segmentsDrawn_data() {
        QTest::addColumn<bool>("view3D");
        QTest::addColumn<std::vector<Point>>("points");
        QTest::addColumn<int>("segments");
        const std::vector<Point> twoApart{{0, 0}, {100, 50}};
        const std::vector<Point> samePixel{{0, 0}, {0.01, 0.01}, {100, 50}};
        const std::vector<Point> withNull{{0, 0}, {10, 10, clNone}, {20, 0}, {30, 10}};
        const std::vector<Point> nullFirst{{0, 0, clNone}, {10, 10}, {20, 0}};
        const std::vector<Point> wall{{50, 0}, {50, 80}, {100, 80}};
        for (bool v : {true, false}) {
            const char* d = v ? "3D" : "2D";
            QTest::addRow("%s: first point only starts", d) << v << twoApart << 1;
            QTest::addRow("%s: same pixel skipped", d) << v << samePixel << 1;
            QTest::addRow("%s: null point skipped", d) << v << withNull << 1;
            QTest::addRow("%s: null first point", d) << v << nullFirst << 1;
            QTest::addRow("%s: upright segment drawn", d) << v << wall << 2;
        }
    }
    void segmentsDrawn() {
        QFETCH(bool, view3D);
        QFETCH(std::vector<Point>, points);
        QFETCH(int, segments);
        TChart chart;
        chart.SetView3D(view3D);
        PaintCounter paints(chart.Canvas());
        loadPoints(chart, points, 0, 300, 0, 150);
        QCOMPARE(paints.segmentsInLastPaint, segments);
    }

    void hatchedRibbonAndDarkerSteepFaces() {
        TChart chart;
        // falling, then rising steeply (more than 45 degrees on screen), then
        // rising gently, then level
        const std::vector<Point> points{{0, 60}, {100, 0}, {120, 100}, {220, 130}, {300, 130}};
        loadPoints(chart, points, 0, 300, 0, 200);
        const QImage image = chartfixture::paintFull(chart);
        const TChartAxis& h = *chart.BottomAxis();
        const TChartAxis& v = *chart.LeftAxis();
        const int d = chart.lastLayout().depth.totalDepth;
        auto pixelOf = [&](const Point& p) {
            return QPoint(h.ValueToPixel(p.x), v.ValueToPixel(p.y));
        };
        const QPoint p0 = pixelOf(points[0]), p1 = pixelOf(points[1]), p2 = pixelOf(points[2]);
        QVERIFY(double(p1.y() - p2.y()) / (p2.x() - p1.x()) > 1.0);

        // The falling face: red hatch lines with silver gaps, black outline.
        const QRect falling(QPoint(p0.x() + d / 2 + 10, p0.y() - d / 2),
                            QPoint(p0.x() + d / 2 + 30, p0.y() - d / 2 + 10));
        int redInFalling = 0, silverInFalling = 0;
        for (int y = falling.top(); y <= falling.bottom(); ++y)
            for (int x = falling.left(); x <= falling.right(); ++x) {
                redInFalling += image.pixel(x, y) == red;
                silverInFalling += image.pixel(x, y) == silver;
            }
        QVERIFY(redInFalling > 10);
        QVERIFY(silverInFalling > 10);

        // Darker shade: present, and only within the steep face, p2, p1 at the
        // front and the same moved (d, -d) at the back.
        const QPoint steep[4] = {p2, p1, p1 + QPoint(d, -d), p2 + QPoint(d, -d)};
        QImage face(image.size(), QImage::Format_RGB32);
        face.fill(Qt::black);
        PolygonScanner scanner;
        scanner.scan(steep, 4, 0, face.height(), [&](int y, int x0, int x1) {
            for (int x = std::max(0, x0); x < std::min(x1, face.width()); ++x)
                face.setPixel(x, y, white);
        });
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) != darkRed) continue;
                ++dark;
                QVERIFY2(face.pixel(x, y) == white,
                         qPrintable(QStringLiteral("dark pixel at %1,%2").arg(x).arg(y)));
            }
        QVERIFY(dark > 20);
    }

    void blackPointsStayBlackWhenDarkened() {
        TChart chart;
        loadPoints(chart, {{0, 0, clBlack}, {10, 100, clBlack}}, 0, 300, 0, 150);
        const QImage image = chartfixture::paintFull(chart);
        QCOMPARE(countPixels(image, darkRed, image.rect()), 0);
        QCOMPARE(TCustomSeries::ApplyDark(clBlack, 64), clBlack);
        QCOMPARE(TCustomSeries::ApplyDark(rgbColor(255, 64, 65), 64), rgbColor(191, 0, 1));
    }

    void flatLineInTheEndPointColour() {
        TChart chart;
        chart.SetView3D(false);
        loadPoints(chart, {{0, 50, clRed}, {150, 50, clBlue}, {300, 100, clLime}}, 0, 300, 0, 150);
        const QImage image = chartfixture::paintFull(chart);
        const int y = chart.LeftAxis()->ValueToPixel(50);
        const int x1 = chart.BottomAxis()->ValueToPixel(150);
        for (int x = chart.PlotRect().left() + 1; x < x1; ++x)
            QCOMPARE(image.pixel(x, y), 0xFF0000FFu);
        QCOMPARE(countPixels(image, red, image.rect()), 0);
        QVERIFY(countPixels(image, 0xFF00FF00u, image.rect()) > 50);
    }

    void firstSegmentStartsAtTheLeftEdgeAfterAPan() {
        TChart chart;
        chart.SetView3D(false);
        PaintCounter paints(chart.Canvas());
        loadPoints(chart, {{0, 0, clBlack}, {100, 100, clBlack}, {200, 100, clBlack}}, 50, 150, 0,
                   100);
        const QImage image = chartfixture::paintFull(chart);
        QCOMPARE(paints.segmentsInLastPaint, 2);
        const ChartRect r = chart.plotRectEdges();
        // The line through (0, 0) and (100, 100) is at 50 on the left edge.
        const int expected = chart.LeftAxis()->ValueToPixel(50 + 100.0 / chart.PlotWidth());
        int found = -1;
        for (int y = r.top + 1; y < r.bottom; ++y)
            if (image.pixel(r.left + 1, y) == black) found = y;
        QVERIFY(std::abs(found - expected) <= 1);
    }

    void view3DSwitchesLayoutAndComesBack() {
        TChart chart;
        chartfixture::loadDesign(chart);
        const QImage before = chartfixture::paintAsIs(chart);
        const QRect plot3D = chart.PlotRect();
        chart.SetView3D(false);
        const QImage flat = chartfixture::paintAsIs(chart);
        QVERIFY(flat != before);
        QVERIFY(chart.PlotWidth() > plot3D.width());
        QVERIFY(chart.PlotHeight() > plot3D.height());
        chart.SetView3D(true);
        QCOMPARE(chartfixture::paintAsIs(chart), before);
        QCOMPARE(chart.PlotRect(), plot3D);
    }

    void unchangedPaintDrawsNothing() {
        TChart chart;
        chartfixture::loadDesign(chart);
        const QImage first = chartfixture::paintAsIs(chart);
        PaintCounter paints(chart.Canvas());
        QCOMPARE(chartfixture::paintAsIs(chart), first);
        QCOMPARE(paints.fullPaints, 0);
        chart.LeftWall().SetColor(clAqua); // a change makes the next paint draw
        QVERIFY(chartfixture::paintAsIs(chart) != first);
        QCOMPARE(paints.fullPaints, 1);
        chart.LeftWall().SetColor(clAqua); // the same value: nothing to do
        chartfixture::paintAsIs(chart);
        QCOMPARE(paints.fullPaints, 1);
    }

    void chart3DPercentRange_data() {
        QTest::addColumn<int>("percent");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("0") << 0 << false;
        QTest::newRow("1") << 1 << true;
        QTest::newRow("100") << 100 << true;
        QTest::newRow("101") << 101 << false;
        QTest::newRow("-5") << -5 << false;
    }
    void chart3DPercentRange() {
        QFETCH(int, percent);
        QFETCH(bool, accepted);
        TChart chart;
        chart.SetChart3DPercent(50);
        try {
            chart.SetChart3DPercent(percent);
            QVERIFY(accepted);
            QCOMPARE(chart.Chart3DPercent(), percent);
        } catch (const ChartException& e) {
            QVERIFY(!accepted);
            QCOMPARE(e.message(), QStringLiteral("3D effect percent must be between 1 and 100"));
            QCOMPARE(chart.Chart3DPercent(), 50);
        }
    }

    void programSettings() {
        TChart chart;
        QCOMPARE(chart.Color(), clSilver);
        QCOMPARE(chart.Chart3DPercent(), 100);
        QVERIFY(chart.View3D());
        QCOMPARE(chart.SeriesCount(), 1);
        QCOMPARE(chart.Series(0), static_cast<TChartSeries*>(chart.Series1()));
        QCOMPARE(chart.Series1()->LineBrush(), bsDiagCross);
        QCOMPARE(chart.Series1()->Brush().Color(), TColor(4675956));
        QVERIFY(chart.Series1()->ColorEachPoint());
        QCOMPARE(chart.LeftWall().Color(), TColor(8454143));
        QVERIFY(chart.BackWall().Transparent());
        QVERIFY(!chart.RightWall().Visible());
    }

    void zoomRectangleWhileDragging() {
        TChart chart;
        PaintCounter paints(chart.Canvas());
        chartfixture::loadDesign(chart);
        const QImage kept = chartfixture::paintAsIs(chart);
        const QPoint start = chart.PlotRect().center() - QPoint(100, 60);
        QTest::mousePress(&chart, Qt::LeftButton, Qt::NoModifier, start);
        QTest::mouseMove(&chart, start + QPoint(60, 40));
        QTest::mouseMove(&chart, start + QPoint(120, 80));
        QVERIFY(chart.Canvas().hasDirectDrawing());
        const QImage shown = chartfixture::paintAsIs(chart);
        // Each outline pixel is the NotXor of the kept one with the pen colour,
        // the inside is untouched, the first outline is gone.
        const QRgb pen = chart.zoomPenColor();
        auto notXor = [&](QRgb p) { return (~(p ^ pen) & 0xFFFFFF) | 0xFF000000; };
        const QPoint corner = start + QPoint(119, 79);
        QCOMPARE(shown.pixel(start), notXor(kept.pixel(start)));
        QCOMPARE(shown.pixel(corner), notXor(kept.pixel(corner)));
        QCOMPARE(shown.pixel(start + QPoint(59, 20)), kept.pixel(start + QPoint(59, 20)));
        QCOMPARE(shown.pixel(start + QPoint(30, 30)), kept.pixel(start + QPoint(30, 30)));
        QCOMPARE(paints.fullPaints, 2);

        // A full paint in the middle puts the outline into the kept image.
        chart.requestRepaint();
        QCOMPARE(chartfixture::paintAsIs(chart), shown);
        QVERIFY(!chart.Canvas().hasDirectDrawing());

        // Released up and left of the start with a small move: the outline is
        // erased, nothing zooms.
        const double maximum = chart.BottomAxis()->Maximum();
        QTest::mouseRelease(&chart, Qt::LeftButton, Qt::NoModifier, start + QPoint(5, 5));
        QCOMPARE(chart.BottomAxis()->Maximum(), maximum);
        QCOMPARE(chartfixture::paintAsIs(chart), kept);
    }

    void zoomAndWheelChangeTheAxes() {
        TChart chart;
        chartfixture::loadDesign(chart);
        chartfixture::paintAsIs(chart);
        const QPoint start = chart.PlotRect().center() - QPoint(100, 60);
        QTest::mousePress(&chart, Qt::LeftButton, Qt::NoModifier, start);
        QTest::mouseMove(&chart, start + QPoint(100, 50));
        QTest::mouseRelease(&chart, Qt::LeftButton, Qt::NoModifier, start + QPoint(100, 50));
        QVERIFY(chart.Canvas().bufferStale());
        QVERIFY(chart.BottomAxis()->Maximum() < 400);
        QVERIFY(chart.BottomAxis()->Minimum() > 0);
        QVERIFY(!chart.Canvas().hasDirectDrawing());

        chartfixture::paintAsIs(chart);
        const double low = chart.LeftAxis()->Minimum();
        const double span = chart.LeftAxis()->Maximum() - low;
        QWheelEvent down(QPointF(400, 200), QPointF(400, 200), QPoint(), QPoint(0, -120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&chart, &down);
        QVERIFY(chart.Canvas().bufferStale());
        QCOMPARE(chart.LeftAxis()->Minimum(), low + span * 0.03);
    }
};

QTEST_MAIN(TestChartPaint)
#include "test_chartpaint.moc"
