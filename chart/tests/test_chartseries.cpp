#include "modeltestsupport.h"
#include "tchartaxes.h"
#include "tchartseries.h"

#include <QTest>

class TestChartSeries : public QObject {
    Q_OBJECT

    static QList<double> xs(const TChartSeries& s) {
        QList<double> r;
        for (int i = 0; i < s.PointCount(); ++i)
            r << s.XValues().Value(i);
        return r;
    }
    static QList<double> ys(const TChartSeries& s) {
        QList<double> r;
        for (int i = 0; i < s.PointCount(); ++i)
            r << s.YValues().Value(i);
        return r;
    }

private slots:
    void addPointKeepsYWithItsX_data() {
        QTest::addColumn<QList<double>>("x");
        QTest::addColumn<QList<double>>("y");
        QTest::addColumn<QList<int>>("indexes");
        QTest::addColumn<QList<double>>("storedX");
        QTest::addColumn<QList<double>>("storedY");
        QTest::newRow("rising x appends")
            << QList<double>{0, 1, 2} << QList<double>{7, 8, 9} << QList<int>{0, 1, 2}
            << QList<double>{0, 1, 2} << QList<double>{7, 8, 9};
        QTest::newRow("equal x goes after")
            << QList<double>{0, 1, 1} << QList<double>{7, 8, 9} << QList<int>{0, 1, 2}
            << QList<double>{0, 1, 1} << QList<double>{7, 8, 9};
        QTest::newRow("smaller x goes to index 0")
            << QList<double>{4, 5, -1} << QList<double>{1, 2, 3} << QList<int>{0, 1, 0}
            << QList<double>{-1, 4, 5} << QList<double>{3, 1, 2};
    }
    void addPointKeepsYWithItsX() {
        QFETCH(QList<double>, x);
        QFETCH(QList<double>, y);
        TChartSeries s;
        QList<int> got;
        for (qsizetype i = 0; i < x.size(); ++i)
            got << s.AddPoint(x[i], y[i], QString(), clBlack);
        QTEST(got, "indexes");
        QTEST(xs(s), "storedX");
        QTEST(ys(s), "storedY");
        QCOMPARE(s.PointCount(), int(x.size()));
    }

    void descendingXOrder() {
        TChartSeries s;
        s.XValues().SetOrder(loDescending);
        s.AddPoint(5, 50, QString(), clDefault);
        s.AddPoint(9, 90, QString(), clDefault);
        s.AddPoint(7, 70, QString(), clDefault);
        QCOMPARE(xs(s), (QList<double>{9, 7, 5}));
        QCOMPARE(ys(s), (QList<double>{90, 70, 50}));
    }

    void firstExplicitColourCreatesTheList() {
        TChartSeries s;
        s.AddPoint(0, 0, QString(), clDefault);
        s.AddPoint(1, 0, QString(), clDefault);
        QVERIFY(!s.hasPointColors());
        s.AddPoint(2, 0, QString(), clBlack);
        QVERIFY(s.hasPointColors());
        QCOMPARE(s.storedPointColor(0), clDefault);
        QCOMPARE(s.storedPointColor(1), clDefault);
        QCOMPARE(s.storedPointColor(2), clBlack);
        // Inserting in front moves the stored colours with their points.
        s.AddPoint(-1, 0, QString(), clBlue);
        QCOMPARE(s.storedPointColor(0), clBlue);
        QCOMPARE(s.storedPointColor(3), clBlack);
    }

    void pointColor_data() {
        QTest::addColumn<bool>("colorEachPoint");
        QTest::addColumn<TColor>("added");
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("index");
        QTest::addColumn<TColor>("expected");
        QTest::newRow("black stays black despite the palette")
            << true << clBlack << 30 << 0 << clBlack;
        QTest::newRow("black at 25") << true << clBlack << 30 << 25 << clBlack;
        QTest::newRow("explicit blue") << true << clBlue << 3 << 2 << clBlue;
        QTest::newRow("default 0 takes entry 1, red") << true << clDefault << 30 << 0 << clRed;
        QTest::newRow("default 1 takes green") << true << clDefault << 30 << 1 << clGreen;
        QTest::newRow("default 3 takes blue") << true << clDefault << 30 << 3 << clBlue;
        QTest::newRow("default 15 takes black") << true << clDefault << 30 << 15 << clBlack;
        QTest::newRow("default 19 takes medium gray") << true << clDefault << 30 << 19 << clMedGray;
        QTest::newRow("default 20 wraps to red") << true << clDefault << 30 << 20 << clRed;
        QTest::newRow("default 27 takes teal") << true << clDefault << 30 << 27 << clTeal;
        QTest::newRow("default 33 takes silver") << true << clDefault << 40 << 33 << clSilver;
        QTest::newRow("no palette: series colour") << false << clDefault << 5 << 4 << clRed;
    }
    void pointColor() {
        QFETCH(bool, colorEachPoint);
        QFETCH(TColor, added);
        QFETCH(int, points);
        QFETCH(int, index);
        TChartSeries s;
        s.SetColorEachPoint(colorEachPoint);
        s.SetSeriesColor(clRed);
        for (int i = 0; i < points; ++i)
            s.AddPoint(i, i, QString(), added);
        QTEST(s.PointColor(index), "expected");
    }

    void clearValuesStartsAfresh() {
        CountingRequester chart;
        TChartSeries s;
        s.setRepaintRequester(&chart);
        for (int i = 0; i < 1200; ++i)
            s.AddPoint(i, i, QString(), clBlack);
        QCOMPARE(s.XValues().Capacity(), 2000);
        chart.requests = 0;
        s.ClearValues();
        QCOMPARE(chart.requests, 1);
        QCOMPARE(s.PointCount(), 0);
        QCOMPARE(s.YValues().Count(), 0);
        QCOMPARE(s.XValues().Capacity(), 0);
        QVERIFY(!s.hasPointColors());
        s.AddPoint(3, 4, QString(), clDefault);
        QVERIFY(!s.hasPointColors());
        QCOMPARE(s.XValues().Capacity(), 1000);
        s.AddPoint(5, 4, QString(), clBlack);
        QVERIFY(s.hasPointColors());
        QCOMPARE(s.storedPointColor(0), clDefault);
    }

    void labelsStayEmptyUntilOneIsGiven() {
        TChartSeries s;
        s.AddPoint(0, 0, QString(), clBlack);
        s.AddPoint(1, 0, QString(), clBlack);
        QCOMPARE(s.labelCount(), 0);
        s.AddPoint(2, 0, QStringLiteral("c"), clBlack);
        s.AddPoint(-1, 0, QString(), clBlack);
        QCOMPARE(s.labelCount(), s.PointCount());
        QCOMPARE(s.PointLabel(3), QStringLiteral("c"));
        QCOMPARE(s.PointLabel(0), QString());
        s.ClearValues();
        QCOMPARE(s.labelCount(), 0);
    }

    void beforeAddHookCanRefuse() {
        TChartSeries s;
        CountingRequester chart;
        s.setRepaintRequester(&chart);
        QList<double> seenX;
        s.SetOnBeforeAdd([&](TChartSeries* sender) {
            seenX << sender->XValues().pendingValue();
            return sender->YValues().pendingValue() >= 0;
        });
        QCOMPARE(s.AddPoint(1, 5, QString(), clBlack), 0);
        QCOMPARE(s.AddPoint(2, -5, QString(), clBlack), -1);
        QCOMPARE(seenX, (QList<double>{1, 2}));
        QCOMPARE(s.PointCount(), 1);
        QCOMPARE(chart.requests, 1);
    }

    void afterAddAndClearHooks() {
        TChartSeries s;
        QList<int> added;
        int cleared = 0;
        s.SetOnAfterAdd([&](TChartSeries*, int index) { added << index; });
        s.SetOnClearValues([&](TChartSeries* sender) {
            ++cleared;
            QCOMPARE(sender->PointCount(), 0);
        });
        s.AddPoint(5, 0, QString(), clBlack);
        s.AddPoint(1, 0, QString(), clBlack);
        s.ClearValues();
        QCOMPARE(added, (QList<int>{0, 0}));
        QCOMPARE(cleared, 1);
    }

    void repaintRequests_data() {
        QTest::addColumn<bool>("active");
        QTest::addColumn<bool>("inUpdate");
        QTest::addColumn<int>("requests");
        QTest::newRow("active: one per add") << true << false << 3;
        QTest::newRow("inactive: none") << false << false << 0;
        QTest::newRow("update bracket: one at the end") << true << true << 1;
    }
    void repaintRequests() {
        QFETCH(bool, active);
        QFETCH(bool, inUpdate);
        CountingRequester chart;
        TChartSeries s;
        s.SetActive(active);
        s.setRepaintRequester(&chart);
        if (inUpdate) s.BeginUpdate();
        for (int i = 0; i < 3; ++i)
            s.AddPoint(i, i, QString(), clBlack);
        if (inUpdate) s.EndUpdate();
        QTEST(chart.requests, "requests");
        QCOMPARE(s.PointCount(), 3);
    }

    void settersRequestOnlyOnChange() {
        CountingRequester chart;
        TChartSeries s;
        s.setRepaintRequester(&chart);
        s.SetSeriesColor(clRed);
        s.SetColorEachPoint(false);
        QCOMPARE(chart.requests, 0);
        s.SetSeriesColor(clBlue);
        s.SetColorEachPoint(true);
        QCOMPARE(chart.requests, 2);
        s.SetActive(false); // must disappear from the chart
        QCOMPARE(chart.requests, 3);
    }

    void linkedSeriesAreToldAndForgotten() {
        struct Linked : TChartSeries {
            int told = 0;
            void sourceChanged(TChartSeries*) override { ++told; }
        };
        TChartSeries source;
        auto linked = std::make_unique<Linked>();
        source.addLinkedSeries(linked.get());
        source.AddPoint(1, 1, QString(), clBlack);
        source.ClearValues();
        QCOMPARE(linked->told, 2);
        linked.reset();
        QVERIFY(source.linkedSeries().isEmpty());
        source.AddPoint(1, 1, QString(), clBlack); // must not reach the destroyed series
        QCOMPARE(source.PointCount(), 1);
    }
};

QTEST_APPLESS_MAIN(TestChartSeries)
#include "test_chartseries.moc"
