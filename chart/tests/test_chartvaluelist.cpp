#include "quarvelerror.h"
#include "tchartvaluelist.h"

#include <QTest>

Q_DECLARE_METATYPE(TChartListOrder)

class TestChartValueList : public QObject {
    Q_OBJECT
private slots:
    void orderedAdd_data() {
        QTest::addColumn<TChartListOrder>("order");
        QTest::addColumn<QList<double>>("added");
        QTest::addColumn<QList<int>>("indexes");
        QTest::addColumn<QList<double>>("stored");

        QTest::newRow("ascending, rising") << loAscending << QList<double>{1, 2, 3}
                                           << QList<int>{0, 1, 2} << QList<double>{1, 2, 3};
        QTest::newRow("ascending, equal goes after")
            << loAscending << QList<double>{1, 2, 2} << QList<int>{0, 1, 2}
            << QList<double>{1, 2, 2};
        QTest::newRow("ascending, smallest goes first")
            << loAscending << QList<double>{5, 6, 1} << QList<int>{0, 1, 0}
            << QList<double>{1, 5, 6};
        QTest::newRow("ascending, into the middle after equals")
            << loAscending << QList<double>{1, 3, 3, 5, 3} << QList<int>{0, 1, 2, 3, 3}
            << QList<double>{1, 3, 3, 3, 5};
        QTest::newRow("descending") << loDescending << QList<double>{9, 5, 7, 9, 1}
                                    << QList<int>{0, 1, 1, 1, 4} << QList<double>{9, 9, 7, 5, 1};
        QTest::newRow("descending, largest goes first")
            << loDescending << QList<double>{3, 2, 8} << QList<int>{0, 1, 0}
            << QList<double>{8, 3, 2};
        QTest::newRow("none keeps the order given")
            << loNone << QList<double>{3, 1, 2} << QList<int>{0, 1, 2} << QList<double>{3, 1, 2};
    }
    void orderedAdd() {
        QFETCH(TChartListOrder, order);
        QFETCH(QList<double>, added);
        QFETCH(QList<int>, indexes);
        QFETCH(QList<double>, stored);
        TChartValueList list(nullptr, QStringLiteral("X"), order);
        QList<int> got;
        for (double v : added)
            got << list.addOrdered(v);
        QCOMPARE(got, indexes);
        QList<double> values;
        for (int i = 0; i < list.Count(); ++i)
            values << list.Value(i);
        QCOMPARE(values, stored);
    }

    void capacityGrowsInSteps_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("capacity");
        QTest::newRow("empty") << 0 << 0;
        QTest::newRow("one") << 1 << 1000;
        QTest::newRow("full") << 1000 << 1000;
        QTest::newRow("one over") << 1001 << 2000;
        QTest::newRow("2500") << 2500 << 3000;
    }
    void capacityGrowsInSteps() {
        QFETCH(int, count);
        QFETCH(int, capacity);
        TChartValueList list(nullptr, QStringLiteral("X"), loAscending);
        for (int i = 0; i < count; ++i)
            list.addOrdered(i);
        QCOMPARE(list.Count(), count);
        QCOMPARE(list.Capacity(), capacity);
        list.clear();
        QCOMPARE(list.Count(), 0);
        QCOMPARE(list.Capacity(), 0);
    }

    void statistics_data() {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<double>("total");
        QTest::addColumn<double>("totalAbs");
        QTest::newRow("5, -3, 7") << QList<double>{5, -3, 7} << -3.0 << 7.0 << 9.0 << 15.0;
        QTest::newRow("empty") << QList<double>{} << 0.0 << 0.0 << 0.0 << 0.0;
        QTest::newRow("one negative") << QList<double>{-2} << -2.0 << -2.0 << -2.0 << 2.0;
        QTest::newRow("falling") << QList<double>{4, 3, 2, 1} << 1.0 << 4.0 << 10.0 << 10.0;
    }
    void statistics() {
        QFETCH(QList<double>, values);
        TChartValueList list(nullptr, QStringLiteral("Y"), loNone);
        for (double v : values)
            list.addOrdered(v);
        QVERIFY(list.statisticsStale());
        QTEST(list.MinValue(), "minimum");
        QVERIFY(!list.statisticsStale());
        QTEST(list.MaxValue(), "maximum");
        QTEST(list.Total(), "total");
        QTEST(list.TotalABS(), "totalAbs");
    }

    void statisticsFollowChanges() {
        TChartValueList list(nullptr, QStringLiteral("Y"), loNone);
        list.addOrdered(1);
        QCOMPARE(list.MaxValue(), 1.0);
        list.insertAt(0, 10);
        QVERIFY(list.statisticsStale());
        QCOMPARE(list.MaxValue(), 10.0);
        QCOMPARE(list.Value(0), 10.0);
        list.clear();
        QVERIFY(list.statisticsStale());
        QCOMPARE(list.MaxValue(), 0.0);
    }

    void outOfRangeIndexIsRefused_data() {
        QTest::addColumn<int>("index");
        QTest::newRow("negative") << -1;
        QTest::newRow("count") << 2;
        QTest::newRow("inside the capacity") << 500;
    }
    void outOfRangeIndexIsRefused() {
        QFETCH(int, index);
        TChartValueList list(nullptr, QStringLiteral("X"), loAscending);
        list.addOrdered(1);
        list.addOrdered(2);
        QVERIFY_THROWS_EXCEPTION(QuarvelError, list.Value(index));
        QVERIFY_THROWS_EXCEPTION(QuarvelError, list.insertAt(index + (index >= 0 ? 1 : 0), 0));
    }
};

QTEST_APPLESS_MAIN(TestChartValueList)
#include "test_chartvaluelist.moc"
