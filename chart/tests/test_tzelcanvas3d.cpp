#include "paintcounter.h"
#include "pixelcount.h"
#include "tchartbrush.h"
#include "tchartpen.h"
#include "tzelcanvas3d.h"

#include <QPainter>
#include <QTest>

#include <cmath>

namespace {

constexpr QRgb whiteRgb = 0xFFFFFFFF;
constexpr QRgb blackRgb = 0xFF000000;
constexpr QRgb silverRgb = 0xFFC0C0C0;

// A surface with a paint in progress on a w x h buffer, filled white.
struct Surface {
    TZelCanvas3D canvas;
    PaintCounter paints{canvas};
    TView3DOptions options;
    Surface(int w, int h, bool view3D, int orthoAngle = 45) {
        options.SetOrthoAngle(orthoAngle);
        canvas.StartDrawing(options, QRect(0, 0, w, h), view3D);
        canvas.SetBrushColor(clWhite);
        canvas.SetPenStyle(psClear);
        canvas.FillRect(0, 0, w, h);
        canvas.SetPenStyle(psSolid);
    }
    QImage finish() {
        QImage out(canvas.buffer().size(), QImage::Format_RGB32);
        QPainter painter(&out);
        canvas.FinishDrawing(&painter);
        return out;
    }
};

} // namespace

class TestTZelCanvas3D : public QObject {
    Q_OBJECT

private slots:
    void projection_data() {
        QTest::addColumn<bool>("view3D");
        QTest::addColumn<QRect>("plotRect");
        QTest::addColumn<int>("z");
        QTest::addColumn<QPoint>("expected");
        const QRect chartPlot(27, 104, 761, 342);
        QTest::newRow("front plane") << true << chartPlot << 0 << QPoint(100, 200);
        QTest::newRow("depth 85") << true << chartPlot << 85 << QPoint(185, 115);
        QTest::newRow("other centre") << true << QRect(300, 5, 11, 900) << 85 << QPoint(185, 115);
        QTest::newRow("odd centre") << true << QRect(1, 1, 2, 3) << 85 << QPoint(185, 115);
        QTest::newRow("negative depth") << true << chartPlot << -30 << QPoint(70, 230);
        QTest::newRow("2D ignores depth") << false << chartPlot << 85 << QPoint(100, 200);
    }
    void projection() {
        QFETCH(bool, view3D);
        QFETCH(QRect, plotRect);
        QFETCH(int, z);
        QFETCH(QPoint, expected);
        TZelCanvas3D canvas;
        canvas.StartDrawing(TView3DOptions(), QRect(0, 0, 900, 465), view3D);
        canvas.SetProjectionCentre(85, ChartRect::fromQRect(plotRect));
        QCOMPARE(canvas.ProjectPoint(100, 200, z), expected);
    }

    void tangentOfTheAngle_data() {
        QTest::addColumn<int>("angle");
        QTest::addColumn<double>("tangent");
        QTest::newRow("45 gives exactly 1") << 45 << 1.0;
        QTest::newRow("90 falls back to 1") << 90 << 1.0;
        QTest::newRow("89 is near-infinite, kept") << 89 << std::tan(89 * M_PI / 180);
        QTest::newRow("30") << 30 << std::tan(M_PI / 6);
        QTest::newRow("0") << 0 << 0.0;
    }
    void tangentOfTheAngle() {
        QFETCH(int, angle);
        QFETCH(double, tangent);
        TView3DOptions options;
        options.SetOrthoAngle(angle);
        TZelCanvas3D canvas;
        canvas.StartDrawing(options, QRect(0, 0, 10, 10), true);
        QVERIFY(std::abs(canvas.tangent() - tangent) <= 1e-12 * std::max(1.0, tangent));
        if (angle == 45 || angle == 90) QCOMPARE(canvas.tangent(), 1.0);
    }

    void angle90ProjectsLike45() {
        for (int angle : {45, 90}) {
            TView3DOptions options;
            options.SetOrthoAngle(angle);
            TZelCanvas3D canvas;
            canvas.StartDrawing(options, QRect(0, 0, 10, 10), true);
            canvas.SetProjectionCentre(40, ChartRect{0, 0, 10, 10});
            QCOMPARE(canvas.ProjectPoint(100, 200, 85), QPoint(185, 115));
        }
    }

    void zoomAndOffsetsMoveAboutTheCentre() {
        TView3DOptions options;
        options.SetZoom(50);
        options.SetHorizOffset(7);
        options.SetVertOffset(-3);
        TZelCanvas3D canvas;
        canvas.StartDrawing(options, QRect(0, 0, 10, 10), true);
        QCOMPARE(canvas.zoomFactor(), 0.5);
        canvas.SetProjectionCentre(85, ChartRect{0, 0, 200, 100}); // centre (100, 50), z 42
        QCOMPARE(canvas.centreZ(), 42);
        // x: rnd((150 - 100 + 10) * 0.5) + 107 = 137; y: rnd((80 - 50 - 10) * 0.5) + 47 = 57
        QCOMPARE(canvas.ProjectPoint(150, 80, 10), QPoint(137, 57));
        // halves go to the even neighbour: (101 - 100 + 0) * 0.5 = 0.5 -> 0
        QCOMPARE(canvas.ProjectPoint(101, 50, 0).x(), 107);
        QCOMPARE(canvas.ProjectPoint(103, 50, 0).x(), 109); // 1.5 -> 2
    }

    void flatFaceIsJustItsEdge() {
        Surface s(60, 40, false);
        s.canvas.SetBrushColor(clRed);
        s.canvas.PlaneBetween(QPoint(5, 30), QPoint(40, 10), 0, 85);
        const QImage image = s.finish();
        QCOMPARE(countPixels(image, 0xFFFF0000), 0); // nothing to fill
        QCOMPARE(countPixels(image, blackRgb), 36);  // the line there and back
        QCOMPARE(image.pixel(5, 30), blackRgb);
        QCOMPARE(image.pixel(40, 10), blackRgb);
    }

    void facesAtDepth() {
        Surface s(120, 120, true);
        s.canvas.SetProjectionCentre(20, ChartRect{10, 40, 60, 100});
        s.canvas.SetBrushColor(clRed);
        s.canvas.SetPenStyle(psClear);
        s.canvas.PlaneAtY(10, 60, 100, 0, 20); // floor: (10,100),(60,100),(80,80),(30,80)
        QImage image = s.finish();
        QCOMPARE(countPixels(image, 0xFFFF0000), 50 * 20);
        QCOMPARE(image.pixel(30, 80), 0xFFFF0000u);
        QCOMPARE(image.pixel(29, 80), whiteRgb);
        QCOMPARE(image.pixel(11, 99), 0xFFFF0000u);
        QCOMPARE(image.pixel(10, 99), whiteRgb);  // left of the slanted edge
        QCOMPARE(image.pixel(10, 100), whiteRgb); // bottom edge belongs to the outline

        Surface t(120, 120, true);
        t.canvas.SetProjectionCentre(20, ChartRect{10, 40, 60, 100});
        t.canvas.SetBrushStyle(bsClear);
        t.canvas.RectAtDepth(10, 40, 60, 100, 20); // outline moved to (30, 20)-(80, 80)
        image = t.finish();
        QCOMPARE(countPixels(image, blackRgb), 2 * 50 + 2 * 60);
        QCOMPARE(image.pixel(30, 20), blackRgb);
        QCOMPARE(image.pixel(80, 80), blackRgb);
        QCOMPARE(image.pixel(55, 50), whiteRgb);
    }

    void clipBoxShapes_data() {
        QTest::addColumn<bool>("view3D");
        QTest::addColumn<int>("inside");
        // PlotRect (10, 30, 50, 60) passed with bottom + 1, depth 15.
        QTest::newRow("2D: rectangle inside the outline") << false << (50 - 11) * (61 - 32);
        // 3D: the hexagon (10,61),(10,30),(25,15),(65,15),(65,46),(50,61)
        QTest::newRow("3D: outline of the box") << true << 705 + 16 * 55 + 720;
    }
    void clipBoxShapes() {
        QFETCH(bool, view3D);
        QFETCH(int, inside);
        Surface s(100, 100, view3D);
        s.canvas.SetProjectionCentre(15, ChartRect{10, 30, 50, 60});
        s.canvas.ClipBox(10, 30, 50, 61, 0, 15);
        s.canvas.SetBrushColor(clRed);
        s.canvas.FillRect(0, 0, 100, 100);
        s.canvas.Unclip();
        s.canvas.SetBrushColor(clBlue);
        s.canvas.FillRect(0, 0, 2, 2); // the whole buffer again after Unclip
        const QImage image = s.finish();
        QCOMPARE(countPixels(image, 0xFFFF0000), inside);
        QCOMPARE(image.pixel(0, 0), 0xFF0000FFu);
        if (view3D) {
            QCOMPARE(image.pixel(10, 60), 0xFFFF0000u);
            QCOMPARE(image.pixel(9, 45), whiteRgb);
            QCOMPARE(image.pixel(25, 15), 0xFFFF0000u);
            QCOMPARE(image.pixel(24, 15), whiteRgb);
            QCOMPARE(image.pixel(64, 45), 0xFFFF0000u);
            QCOMPARE(image.pixel(65, 45), whiteRgb);
        } else {
            QCOMPARE(image.pixel(10, 45), whiteRgb); // the outline column stays free
            QCOMPARE(image.pixel(11, 31), 0xFFFF0000u);
            QCOMPARE(image.pixel(49, 59), 0xFFFF0000u);
            QCOMPARE(image.pixel(50, 59), whiteRgb);
            QCOMPARE(image.pixel(49, 60), whiteRgb); // bottom of the plot outline
        }
    }

    void bufferKeptWhileTheSizeStays() {
        TZelCanvas3D canvas;
        PaintCounter paints(canvas);
        QVERIFY(canvas.bufferStale());
        canvas.StartDrawing(TView3DOptions(), QRect(0, 0, 90, 40), true);
        const uchar* first = canvas.buffer().constBits();
        canvas.FinishDrawing(nullptr);
        QVERIFY(!canvas.bufferStale());
        canvas.markStale();
        canvas.StartDrawing(TView3DOptions(), QRect(0, 0, 90, 40), false);
        QCOMPARE(canvas.buffer().constBits(), first);
        QCOMPARE(paints.buffersMade, 1);
        canvas.FinishDrawing(nullptr);
        canvas.StartDrawing(TView3DOptions(), QRect(0, 0, 90, 41), false);
        QCOMPARE(canvas.buffer().size(), QSize(90, 41));
        QCOMPARE(paints.buffersMade, 2);
        canvas.FinishDrawing(nullptr);
        QCOMPARE(paints.fullPaints, 3);
    }

    void keptImageIsCopiedOnlyWhenFresh() {
        Surface s(30, 20, true);
        s.canvas.SetBrushColor(clSilver);
        s.canvas.FillRect(0, 0, 30, 20);
        QImage window(30, 20, QImage::Format_RGB32);
        window.fill(Qt::black);
        QPainter painter(&window);
        QVERIFY(!s.canvas.CopyKeptImage(&painter, QSize(30, 20))); // a paint is due
        s.canvas.FinishDrawing(&painter);
        painter.end();
        QCOMPARE(countPixels(window, silverRgb), 600);

        window.fill(Qt::black);
        painter.begin(&window);
        QVERIFY(!s.canvas.CopyKeptImage(&painter, QSize(31, 20))); // resized
        QVERIFY(s.canvas.CopyKeptImage(&painter, QSize(30, 20)));
        painter.end();
        QCOMPARE(countPixels(window, silverRgb), 600);
        QCOMPARE(s.paints.fullPaints, 1);
    }

    // An exported picture of the chart's size and format is drawn into in
    // place; any other target leaves the paint to the kept buffer.
    void drawingTarget_data() {
        QTest::addColumn<QSize>("targetSize");
        QTest::addColumn<QImage::Format>("format");
        QTest::addColumn<bool>("inPlace");
        QTest::newRow("same size, RGB32") << QSize(30, 20) << QImage::Format_RGB32 << true;
        QTest::newRow("one row short") << QSize(30, 19) << QImage::Format_RGB32 << false;
        QTest::newRow("ARGB32") << QSize(30, 20) << QImage::Format_ARGB32 << false;
    }

    void drawingTarget() {
        QFETCH(QSize, targetSize);
        QFETCH(QImage::Format, format);
        QFETCH(bool, inPlace);
        QImage target(targetSize, format);
        target.fill(Qt::black);
        TZelCanvas3D canvas;
        PaintCounter paints(canvas);
        canvas.setDrawingTarget(&target);
        canvas.StartDrawing(TView3DOptions(), QRect(0, 0, 30, 20), false);
        canvas.SetPenStyle(psClear);
        canvas.SetBrushColor(clWhite);
        canvas.FillRect(0, 0, 30, 20);
        canvas.SetBrushColor(clSilver);
        canvas.FillRect(2, 3, 12, 8); // 10 x 5 pixels
        canvas.FinishDrawing(nullptr);
        canvas.setDrawingTarget(nullptr);

        QCOMPARE(countPixels(target, silverRgb), inPlace ? 50 : 0);
        QCOMPARE(countPixels(target, whiteRgb), inPlace ? 550 : 0);
        QCOMPARE(paints.buffersMade, inPlace ? 0 : 1);
        // Drawn in place, the kept buffer holds nothing to copy to the window.
        QCOMPARE(canvas.bufferStale(), inPlace);
        if (inPlace) QCOMPARE(target.pixel(2, 3), silverRgb);
        if (inPlace) QCOMPARE(target.pixel(12, 3), whiteRgb);
        if (!inPlace) QCOMPARE(countPixels(canvas.buffer(), silverRgb), 50);
    }

    void directRectangleInvertsAndCancels() {
        Surface s(40, 30, false);
        s.canvas.SetBrushColor(clSilver);
        s.canvas.FillRect(0, 0, 40, 30);
        s.canvas.FinishDrawing(nullptr);
        // white xor (white - silver) = 0xC0C0C0: on silver the outline shows white
        const ChartRect rect{5, 4, 25, 20};
        s.canvas.directNotXorRectangle(rect, clWhite ^ (clWhite - clSilver));
        QImage window(40, 30, QImage::Format_RGB32);
        QPainter painter(&window);
        QVERIFY(s.canvas.CopyKeptImage(&painter, QSize(40, 30)));
        painter.end();
        QCOMPARE(countPixels(window, whiteRgb), 2 * 20 + 2 * 16 - 4);
        QCOMPARE(window.pixel(5, 4), whiteRgb);
        QCOMPARE(window.pixel(24, 19), whiteRgb);
        QCOMPARE(window.pixel(10, 10), silverRgb);
        QCOMPARE(s.canvas.buffer().pixel(5, 4), silverRgb); // the kept image is untouched

        s.canvas.directNotXorRectangle(rect, clWhite ^ (clWhite - clSilver));
        QVERIFY(!s.canvas.hasDirectDrawing());
        painter.begin(&window);
        QVERIFY(s.canvas.CopyKeptImage(&painter, QSize(40, 30)));
        painter.end();
        QCOMPARE(countPixels(window, silverRgb), 1200);
    }

    void takingPensAndBrushes() {
        Surface s(40, 40, false);
        TChartPen hidden(clBlack, 1, psSolid, false);
        s.canvas.AssignPen(hidden, clRed);
        QCOMPARE(s.canvas.PenStyle(), psClear);
        TChartBrush brush(clDefault, bsDiagCross);
        s.canvas.AssignBrush(brush, clBlue, clNone);
        QCOMPARE(s.canvas.BackMode(), cbmTransparent);
        s.canvas.Rectangle(0, 0, 16, 16); // no outline, hatch over white
        s.canvas.AssignBrush(brush, clBlue, clSilver);
        QCOMPARE(s.canvas.BackMode(), cbmOpaque);
        QCOMPARE(s.canvas.BackColor(), clSilver);
        s.canvas.AssignPen(TChartPen(clBlack), clRed);
        s.canvas.Rectangle(20, 20, 36, 36);
        const QImage image = s.finish();
        QCOMPARE(image.pixel(0, 0), 0xFF0000FFu);   // hatch line, no outline
        QCOMPARE(image.pixel(1, 0), whiteRgb);      // transparent gap
        QCOMPARE(image.pixel(20, 21), 0xFFFF0000u); // outline in the given colour
        QCOMPARE(image.pixel(21, 21), 0xFF0000FFu); // hatch line on the diagonal
        QCOMPARE(image.pixel(22, 21), silverRgb);   // opaque gap
        QCOMPARE(image.pixel(21, 22), silverRgb);
        QCOMPARE(image.pixel(26, 26), 0xFF0000FFu); // (26 & 7) == (26 & 7)

        s.canvas.Reset();
        QCOMPARE(s.canvas.PenColor(), clBlack);
        QCOMPARE(s.canvas.PenStyle(), psSolid);
        QCOMPARE(s.canvas.PenWidth(), 1);
        QCOMPARE(s.canvas.BrushColor(), clWhite);
        QCOMPARE(s.canvas.BrushStyle(), bsSolid);
        QCOMPARE(s.canvas.BackColor(), clWhite);
        QCOMPARE(s.canvas.BackMode(), cbmTransparent);
        QCOMPARE(s.canvas.FontColor(), clBlack);
        QCOMPARE(s.canvas.Font().pixelSize(), 13); // 10 points at 96 per inch
        QCOMPARE(s.canvas.TextAlign(), int(ctaLeft | ctaTop));
    }
};

QTEST_MAIN(TestTZelCanvas3D)
#include "test_tzelcanvas3d.moc"
