#include "chartnavigator.h"
#include "modeltestsupport.h"
#include "savedaxesstate.h"
#include "tchartaxes.h"
#include "tzelzoom.h"

#include <QTest>

namespace {

const ChartRect plot{100, 100, 700, 400};

// A chart whose bottom axis shows 0..600 and left axis 0..300 over `plot`:
// one unit per pixel, x = 100 + value, y = 400 - value.
struct Fixture {
    TChartAxes axes;
    TZelZoom zoom;
    SavedAxesState saved;
    ChartNavigator navigator;
    ChartNavigator::Context context{axes, zoom, saved, plot};

    Fixture() {
        fix(*axes.Bottom(), 0, 600);
        fix(*axes.Left(), 0, 300);
        for (TChartAxis* axis : {axes.Bottom(), axes.Left()}) {
            ChartRect copy = plot;
            axis->takeSpace(copy, FakeTextMeasurer());
            axis->setDrawnInLayout(true);
        }
        relayout();
    }
    static void fix(TChartAxis& axis, double min, double max) {
        axis.SetAutomatic(false);
        axis.SetMaximum(max);
        axis.SetMinimum(min);
    }
    // What the next paint does: take the new ranges as working ranges.
    void relayout() {
        for (TChartAxis* axis : axes.all()) {
            axis->adjustRange({});
            axis->calcPixelSpan(plot);
        }
    }
    int drag(QPoint from, QPoint to) {
        int outcome = navigator.mousePress(context, Qt::LeftButton, from);
        outcome |= navigator.mouseMove(context, (from + to) / 2);
        outcome |= navigator.mouseMove(context, to);
        outcome |= navigator.mouseRelease(context, Qt::LeftButton, to);
        return outcome;
    }
    void zoomIn() {
        drag(QPoint(200, 150), QPoint(400, 250));
        relayout();
    }
    QList<double> ranges() const {
        return {axes.Bottom()->Minimum(), axes.Bottom()->Maximum(), axes.Left()->Minimum(),
                axes.Left()->Maximum()};
    }
};

} // namespace

class TestChartNavigator : public QObject {
    Q_OBJECT
private slots:
    void zoomRectangle_data() {
        QTest::addColumn<bool>("zoomFirst");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QList<double>>("ranges");
        QTest::addColumn<bool>("savedAfter");
        const QList<double> original{0, 600, 0, 300};
        const QList<double> zoomed{100, 300, 150, 250};
        QTest::newRow("16 wide does nothing")
            << false << QPoint(200, 150) << QPoint(216, 250) << original << false;
        QTest::newRow("16 high does nothing")
            << false << QPoint(200, 150) << QPoint(300, 166) << original << false;
        QTest::newRow("17 each way zooms") << false << QPoint(200, 150) << QPoint(217, 167)
                                           << QList<double>{100, 117, 233, 250} << true;
        QTest::newRow("right and down zooms")
            << false << QPoint(200, 150) << QPoint(400, 250) << zoomed << true;
        QTest::newRow("up and left undoes")
            << true << QPoint(400, 250) << QPoint(200, 150) << original << false;
        QTest::newRow("right and up undoes")
            << true << QPoint(200, 250) << QPoint(400, 150) << original << false;
        QTest::newRow("left and down undoes")
            << true << QPoint(400, 150) << QPoint(200, 250) << original << false;
        QTest::newRow("undo with nothing saved changes nothing")
            << false << QPoint(400, 250) << QPoint(200, 150) << original << false;
        QTest::newRow("small drag keeps the zoom")
            << true << QPoint(300, 200) << QPoint(310, 300) << zoomed << true;
    }
    void zoomRectangle() {
        QFETCH(bool, zoomFirst);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        Fixture f;
        if (zoomFirst) f.zoomIn();
        const int outcome = f.drag(from, to);
        QVERIFY(outcome & ChartNavigator::ZoomStarted);
        QVERIFY(outcome & ChartNavigator::ZoomEnded);
        QVERIFY(!f.zoom.Active());
        QTEST(f.ranges(), "ranges");
        QTEST(f.saved.saved(), "savedAfter");
    }

    void zoomTracksTheRectangle() {
        Fixture f;
        QCOMPARE(f.navigator.mousePress(f.context, Qt::LeftButton, QPoint(200, 150)),
                 int(ChartNavigator::ZoomStarted));
        QVERIFY(f.zoom.Active());
        QCOMPARE(f.navigator.mouseMove(f.context, QPoint(260, 190)),
                 int(ChartNavigator::ZoomTracked));
        QCOMPARE(f.zoom.rectangle(), (ChartRect{200, 150, 260, 190}));
        QCOMPARE(f.navigator.mouseMove(f.context, QPoint(260, 190)), int(ChartNavigator::Nothing));
        // Another button does not end it.
        QCOMPARE(f.navigator.mouseRelease(f.context, Qt::RightButton, QPoint(260, 190)),
                 int(ChartNavigator::Nothing));
        QVERIFY(f.zoom.Active());
    }

    void zoomSetsAllFourSideAxes() {
        Fixture f;
        f.zoomIn();
        for (TChartAxis* axis : f.axes.sideAxes())
            QVERIFY(!axis->Automatic());
        QVERIFY(f.axes.Depth()->Automatic());
    }

    void undoRestoresAutomaticAxes() {
        Fixture f;
        f.axes.Bottom()->SetAutomatic(true);
        f.axes.Left()->SetAutomatic(true);
        f.axes.Left()->SetAutomaticMinimum(false);
        f.zoomIn();
        QVERIFY(!f.axes.Bottom()->Automatic());
        f.drag(QPoint(400, 250), QPoint(200, 150));
        QVERIFY(f.axes.Bottom()->Automatic());
        QVERIFY(f.axes.Bottom()->AutomaticMinimum());
        QVERIFY(f.axes.Left()->Automatic());
        QVERIFY(!f.axes.Left()->AutomaticMinimum());
        QVERIFY(f.axes.Left()->AutomaticMaximum());
    }

    void secondZoomKeepsTheFirstSavedState() {
        Fixture f;
        f.zoomIn();
        f.drag(QPoint(200, 150), QPoint(500, 350));
        f.relayout();
        QVERIFY(f.ranges() != (QList<double>{100, 300, 150, 250}));
        f.drag(QPoint(400, 250), QPoint(200, 150));
        QCOMPARE(f.ranges(), (QList<double>{0, 600, 0, 300}));
    }

    void savedZoomSurvivesATracerRun() {
        Fixture f;
        f.zoomIn();
        // What a Tracer run does to the axes: it neither saves nor clears.
        for (TChartAxis* axis : {f.axes.Bottom(), f.axes.Left()}) {
            axis->SetAutomatic(false);
            axis->SetMaximum(800);
            axis->SetMinimum(0);
        }
        f.relayout();
        QVERIFY(f.saved.saved());
        f.drag(QPoint(400, 250), QPoint(200, 150));
        QCOMPARE(f.ranges(), (QList<double>{0, 600, 0, 300}));
    }

    void pressStartsOnlyInsideThePlotOrOnAnAxis_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("starts");
        QTest::newRow("inside") << QPoint(300, 200) << true;
        QTest::newRow("left edge is inside") << QPoint(100, 200) << true;
        QTest::newRow("on the left axis labels") << QPoint(85, 200) << true;
        QTest::newRow("on the bottom axis labels") << QPoint(300, 410) << true;
        QTest::newRow("outside, top left") << QPoint(50, 50) << false;
        QTest::newRow("outside, right") << QPoint(750, 200) << false;
        QTest::newRow("below the bottom axis space") << QPoint(300, 460) << false;
    }
    void pressStartsOnlyInsideThePlotOrOnAnAxis() {
        QFETCH(QPoint, at);
        QFETCH(bool, starts);
        Fixture f;
        QCOMPARE(f.navigator.mousePress(f.context, Qt::LeftButton, at) ==
                     ChartNavigator::ZoomStarted,
                 starts);
        QCOMPARE(f.zoom.Active(), starts);
    }

    void zoomNotAllowed() {
        Fixture f;
        f.zoom.SetAllow(false);
        QCOMPARE(f.drag(QPoint(200, 150), QPoint(400, 250)), int(ChartNavigator::Nothing));
        QCOMPARE(f.ranges(), (QList<double>{0, 600, 0, 300}));
    }

    void pan_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QList<double>>("ranges");
        QTest::newRow("right by 10")
            << int(pmBoth) << QPoint(310, 200) << QList<double>{-10, 590, 0, 300};
        QTest::newRow("up by 10") << int(pmBoth) << QPoint(300, 190)
                                  << QList<double>{0, 600, -10, 290};
        QTest::newRow("both ways")
            << int(pmBoth) << QPoint(280, 230) << QList<double>{20, 620, 30, 330};
        QTest::newRow("horizontal only")
            << int(pmHorizontal) << QPoint(280, 230) << QList<double>{20, 620, 0, 300};
        QTest::newRow("vertical only")
            << int(pmVertical) << QPoint(280, 230) << QList<double>{0, 600, 30, 330};
    }
    void pan() {
        QFETCH(int, mode);
        QFETCH(QPoint, to);
        Fixture f;
        f.context.allowPanning = TPanningMode(mode);
        QCOMPARE(f.navigator.mousePress(f.context, Qt::RightButton, QPoint(300, 200)),
                 int(ChartNavigator::PanStarted));
        QCOMPARE(f.navigator.mouseMove(f.context, to), int(ChartNavigator::RepaintNeeded));
        QTEST(f.ranges(), "ranges");
        QVERIFY(f.saved.saved());
        QCOMPARE(f.navigator.mouseRelease(f.context, Qt::RightButton, to),
                 int(ChartNavigator::PanEnded));
        QVERIFY(!f.navigator.panning());
    }

    void panStopsWhenThePointerLeavesThePlot() {
        Fixture f;
        f.navigator.mousePress(f.context, Qt::RightButton, QPoint(300, 200));
        f.navigator.mouseMove(f.context, QPoint(310, 200));
        QCOMPARE(f.navigator.mouseMove(f.context, QPoint(700, 200)), int(ChartNavigator::PanEnded));
        // Back inside with the button still held: no more panning.
        QCOMPARE(f.navigator.mouseMove(f.context, QPoint(330, 200)), int(ChartNavigator::Nothing));
        QCOMPARE(f.ranges(), (QList<double>{-10, 590, 0, 300}));
    }

    void panMovesAddUp() {
        Fixture f;
        f.navigator.mousePress(f.context, Qt::RightButton, QPoint(300, 200));
        for (int x = 301; x <= 320; ++x)
            f.navigator.mouseMove(f.context, QPoint(x, 200));
        QCOMPARE(f.ranges(), (QList<double>{-20, 580, 0, 300}));
    }

    void panIsUndoneByAZoomUndo() {
        Fixture f;
        f.navigator.mousePress(f.context, Qt::RightButton, QPoint(300, 200));
        f.navigator.mouseMove(f.context, QPoint(350, 250));
        f.navigator.mouseRelease(f.context, Qt::RightButton, QPoint(350, 250));
        f.relayout();
        f.drag(QPoint(400, 250), QPoint(200, 150));
        QCOMPARE(f.ranges(), (QList<double>{0, 600, 0, 300}));
    }

    void noPanningMode() {
        Fixture f;
        f.context.allowPanning = pmNone;
        QCOMPARE(f.navigator.mousePress(f.context, Qt::RightButton, QPoint(300, 200)),
                 int(ChartNavigator::Nothing));
        QCOMPARE(f.navigator.mouseMove(f.context, QPoint(310, 200)), int(ChartNavigator::Nothing));
        QCOMPARE(f.ranges(), (QList<double>{0, 600, 0, 300}));
    }

    void wheel_data() {
        QTest::addColumn<QList<int>>("deltas");
        QTest::addColumn<double>("leftMin");
        QTest::addColumn<double>("leftMax");
        QTest::newRow("one notch up subtracts 3 %") << QList<int>{120} << -9.0 << 291.0;
        QTest::newRow("one notch down adds 3 %") << QList<int>{-120} << 9.0 << 309.0;
        QTest::newRow("two notches at once") << QList<int>{240} << -18.0 << 282.0;
        QTest::newRow("half notches add up") << QList<int>{60, 60} << -9.0 << 291.0;
        QTest::newRow("half a notch does nothing") << QList<int>{60} << 0.0 << 300.0;
    }
    void wheel() {
        QFETCH(QList<int>, deltas);
        Fixture f;
        f.axes.Left()->SetAutomatic(true);
        f.axes.Left()->SetRange(0, 300);
        f.axes.Left()->SetAutomatic(true);
        for (int d : deltas)
            f.navigator.wheel(f.context, d);
        QTEST(f.axes.Left()->Minimum(), "leftMin");
        QTEST(f.axes.Left()->Maximum(), "leftMax");
        QCOMPARE(f.axes.Bottom()->Minimum(), 0.0);
        QCOMPARE(f.axes.Bottom()->Maximum(), 600.0);
        QVERIFY(!f.saved.saved());
        const bool moved = f.axes.Left()->Minimum() != 0;
        QCOMPARE(!f.axes.Left()->Automatic(), moved);
        QCOMPARE(!f.axes.Right()->Automatic(), moved);
        QCOMPARE(!f.axes.Depth()->Automatic(), moved);
        QVERIFY(f.axes.Top()->Automatic());
    }
};

QTEST_APPLESS_MAIN(TestChartNavigator)
#include "test_chartnavigator.moc"
