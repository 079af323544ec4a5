#include "axispixelmap.h"
#include "tchartaxis.h"

#include <QTest>

#include <cmath>
#include <limits>

class TestAxisPixelMap : public QObject {
    Q_OBJECT

private slots:
    void sameAsValueToPixel_data() {
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<bool>("inverted");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("maximum");
        for (bool h : {true, false})
            for (bool inv : {false, true}) {
                const char* name = h ? (inv ? "horizontal inverted" : "horizontal")
                                     : (inv ? "vertical inverted" : "vertical");
                QTest::addRow("%s, profile range", name) << h << inv << 0.0 << 500.0;
                QTest::addRow("%s, zoomed far in", name) << h << inv << 123.456 << 123.4561;
                QTest::addRow("%s, negative", name) << h << inv << -75.5 << 20.25;
                QTest::addRow("%s, range zero", name) << h << inv << 7.0 << 7.0;
            }
    }
    void sameAsValueToPixel() {
        QFETCH(bool, horizontal);
        QFETCH(bool, inverted);
        QFETCH(double, minimum);
        QFETCH(double, maximum);
        TChartAxis axis(horizontal, false);
        axis.SetInverted(inverted);
        axis.SetAutomatic(false);
        axis.SetMaximum(maximum);
        axis.SetMinimum(minimum);
        axis.adjustRange({});
        axis.calcPixelSpan(ChartRect{61, 104, 788, 427});
        const AxisPixelMap map(axis);
        const double span = maximum - minimum;
        // Values across and far beyond the range, with many exact halves.
        for (int i = -400; i <= 1400; ++i) {
            const double v = minimum + span * i / 1000.0 + (i % 7) * 1e-9;
            QCOMPARE(map.toPixel(v), axis.ValueToPixel(v));
        }
        for (double v : {1e300, -1e300, std::numeric_limits<double>::infinity(),
                         -std::numeric_limits<double>::infinity(), 0.5, 1.5, 2.5})
            QCOMPARE(map.toPixel(v), axis.ValueToPixel(v));
        // halves go to even, both ways
        if (!axis.rangeZero()) {
            const int start = horizontal != inverted ? axis.spanStart() : axis.spanEnd();
            const double sign = horizontal != inverted ? 1 : -1;
            const double half = minimum + 0.5 / axis.scale();
            QCOMPARE(map.toPixel(half), axis.ValueToPixel(half));
            QVERIFY(std::abs(map.toPixel(half) - start - sign * 0.5) <= 0.5);
        }
    }
};

QTEST_APPLESS_MAIN(TestAxisPixelMap)
#include "test_axispixelmap.moc"
