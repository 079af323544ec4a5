#include "lengthunits.h"

#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(LengthUnit)

class TestLengthUnits : public QObject {
    Q_OBJECT

private slots:
    void texts_data() {
        QTest::addColumn<double>("millimetres");
        QTest::addColumn<LengthUnit>("unit");
        QTest::addColumn<bool>("thickness");
        QTest::addColumn<QString>("text");
        const auto in = LengthUnit::Inches;
        const auto mm = LengthUnit::Millimetres;
        QTest::newRow("feet and inches") << 1812.4 << in << false << "5' 11 3/8\"";
        QTest::newRow("rib width") << 88.9 << in << false << "3 1/2\"";
        QTest::newRow("eighths") << 447.7 << in << false << "17 5/8\"";
        QTest::newRow("whole feet") << 609.6 << in << false << "2'";
        QTest::newRow("whole inch after feet") << 1854.2 << in << false << "6' 1\"";
        QTest::newRow("sixteenths") << 303.0 << in << false << "11 15/16\"";
        QTest::newRow("rounds up to a foot, stays inches") << 304.7 << in << false << "12\"";
        QTest::newRow("rounds up to two feet") << 609.5 << in << false << "2'";
        QTest::newRow("just below two feet") << 607.0 << in << false << "23 7/8\"";
        QTest::newRow("fraction only") << 9.5 << in << false << "3/8\"";
        QTest::newRow("zero") << 0.0 << in << false << "0\"";
        QTest::newRow("below half a sixteenth") << 0.7 << in << false << "0\"";
        QTest::newRow("negative") << -88.9 << in << false << "-3 1/2\"";
        QTest::newRow("sheet length") << 2438.4 << in << false << "8'";
        QTest::newRow("panel thickness") << 18.3 << in << true << "23/32\"";
        QTest::newRow("surface thickness") << 9.5 << in << true << "3/8\"";
        QTest::newRow("section never feet") << 609.6 << in << true << "24\"";
        QTest::newRow("section") << 88.9 << in << true << "3 1/2\"";
        QTest::newRow("mm one decimal") << 1812.44 << mm << false << "1812.4";
        QTest::newRow("mm whole") << 2440.0 << mm << false << "2440";
        QTest::newRow("mm thickness") << 18.3 << mm << true << "18.3";
    }

    void texts() {
        QFETCH(double, millimetres);
        QFETCH(LengthUnit, unit);
        QFETCH(bool, thickness);
        QFETCH(QString, text);
        QCOMPARE(thickness ? thicknessText(millimetres, unit) : lengthText(millimetres, unit),
                 text);
    }

    void parsing_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<LengthUnit>("unit");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("millimetres");
        const auto in = LengthUnit::Inches;
        const auto mm = LengthUnit::Millimetres;
        QTest::newRow("whole and fraction") << "3 1/2" << in << true << 88.9;
        QTest::newRow("dash and mark") << "3-1/2\"" << in << true << 88.9;
        QTest::newRow("decimal inches") << "3.5" << in << true << 88.9;
        QTest::newRow("decimal comma inches") << "3,5" << in << true << 88.9;
        QTest::newRow("fraction alone") << "23/32" << in << true << 23.0 / 32 * 25.4;
        QTest::newRow("feet and inches") << "6' 1 3/8\"" << in << true << (73 + 3.0 / 8) * 25.4;
        QTest::newRow("feet alone") << "6'" << in << true << 1828.8;
        QTest::newRow("blanks around") << "  8' " << in << true << 2438.4;
        QTest::newRow("zero denominator") << "1/0" << in << false << 0.0;
        QTest::newRow("empty inches") << "" << in << false << 0.0;
        QTest::newRow("mark alone") << "\"" << in << false << 0.0;
        QTest::newRow("two wholes") << "6 1" << in << false << 0.0;
        QTest::newRow("letters") << "abc" << in << false << 0.0;
        QTest::newRow("mm comma") << "1812,4" << mm << true << 1812.4;
        QTest::newRow("mm point") << "1812.4" << mm << true << 1812.4;
        QTest::newRow("mm whole with name") << "18 mm" << mm << true << 18.0;
        QTest::newRow("mm fraction refused") << "3 1/2" << mm << false << 0.0;
        QTest::newRow("mm feet refused") << "6'" << mm << false << 0.0;
        QTest::newRow("mm empty") << "" << mm << false << 0.0;
    }

    void parsing() {
        QFETCH(QString, text);
        QFETCH(LengthUnit, unit);
        QFETCH(bool, valid);
        QFETCH(double, millimetres);
        const std::optional<double> result = lengthFromText(text, unit);
        QCOMPARE(result.has_value(), valid);
        if (valid)
            QVERIFY2(std::abs(*result - millimetres) < 1e-9, qPrintable(QString::number(*result)));
    }

    // What is shown in inches reads back to within half a sixteenth of the length.
    void shownTextReadsBack() {
        for (int tenths = 0; tenths <= 50000; tenths += 7) {
            const double millimetres = tenths / 10.0;
            const QString text = lengthText(millimetres, LengthUnit::Inches);
            const std::optional<double> back = lengthFromText(text, LengthUnit::Inches);
            QVERIFY2(back.has_value(), qPrintable(text));
            QVERIFY2(std::abs(*back - millimetres) <= 25.4 / 32 + 1e-9, qPrintable(text));
        }
    }

    void keys() {
        for (LengthUnit unit : {LengthUnit::Millimetres, LengthUnit::Inches})
            QCOMPARE(unitFromKey(unitKey(unit)), unit);
        QCOMPARE(unitKey(LengthUnit::Inches), QStringLiteral("in"));
        QVERIFY(!unitFromKey(QStringLiteral("cm")).has_value());
    }
};

QTEST_GUILESS_MAIN(TestLengthUnits)
#include "test_lengthunits.moc"
