#include "numbermask.h"

#include <limits>
#include <QTest>

Q_DECLARE_METATYPE(long double)

namespace {
// A comma locale with a blank for grouping, and a point locale.
const NumberFormatSettings comma{QLatin1Char(','), QLatin1Char(' '), QStringLiteral("€")};
const NumberFormatSettings point{QLatin1Char('.'), QLatin1Char(','), QStringLiteral("$")};
} // namespace

class TestNumberMask : public QObject {
    Q_OBJECT
private:
    static void columns() {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<long double>("value");
        QTest::addColumn<QString>("shown");
    }
    static void row(const char* name, const char* mask, long double value, const QString& shown) {
        QTest::newRow(name) << QString::fromUtf8(mask) << value << shown;
    }

private slots:
    void wholeNumberMask_data() {
        columns();
        row("2.5 away from zero", "0", 2.5L, "3");
        row("-2.5 away from zero", "0", -2.5L, "-3");
        row("12.5", "0", 12.5L, "13");
        row("13.5", "0", 13.5L, "14");
        row("-12.5", "0", -12.5L, "-13");
        row("0.4", "0", 0.4L, "0");
        row("-0.4 has no minus", "0", -0.4L, "0");
        row("0.5", "0", 0.5L, "1");
        row("no grouping", "0", 1234567.0L, "1234567");
        row("zero", "0", 0.0L, "0");
        row("negative zero", "0", -0.0L, "0");
        row("more digits than places", "0", 98765.4L, "98765");
        row("zero padding", "00000", 42.0L, "00042");
        row("hash places", "#####", 42.0L, "42");
        row("hash shows nothing for zero", "#", 0.0L, "");
        row("hash then zero", "##0", 0.2L, "0");
        row("largest 18 digits", "0", 123456789012345678.0L, "123456789012345678");
    }
    void wholeNumberMask() { check(); }

    void eighteenDigitRounding_data() {
        columns();
        // The long double nearest 2.675 lies just above it, the double just below.
        row("long double 2.675", "0.00", 2.675L, "2,68");
        row("double 2.675", "0.00", static_cast<long double>(2.675), "2,67");
        // Taken to 18 digits first: 0.4999999999999999999 becomes 0.5, then 1.
        row("19 nines below a half", "0", 0.4999999999999999999L, "1");
        row("17 nines below a half", "0", 0.49999999999999999L, "0");
        // Exact binary ties at the 19th digit go to the even 18th digit.
        row("tie to even down", "0.00", 1234567890123456.125L, "1234567890123456,12");
        row("tie to even up", "0.00", 1234567890123456.375L, "1234567890123456,38");
        row("tie to even, 6 stays", "0.00", 1234567890123456.625L, "1234567890123456,62");
        row("carry through nines", "0.00", 9.995L, "10,00");
        row("3.14159", "0.00", 3.14159L, "3,14");
    }
    void eighteenDigitRounding() { check(); }

    void decimalsAndGrouping_data() {
        columns();
        row("axis label", "#,##0.###", 1234567.891L, "1 234 567,891");
        row("axis label, trailing zeros dropped", "#,##0.###", 1.5L, "1,5");
        row("axis label, no separator for integers", "#,##0.###", 1000.0L, "1 000");
        row("axis label, negative", "#,##0.###", -1234.5L, "-1 234,5");
        row("axis label, zero", "#,##0.###", 0.0L, "0");
        row("axis label, rounds up", "#,##0.###", 0.0005L, "0,001");
        row("axis label, tiny negative shows 0", "#,##0.###", -0.0001L, "0");
        row("axis label, hundreds", "#,##0.###", 100.0L, "100");
        row("grouping comma anywhere", "0000,", 1234567.0L, "1 234 567");
        row("grouped minimum digits", "0,000", 12.0L, "0 012");
        row("fixed decimals", "0.000", 1.5L, "1,500");
        row("minimum decimals then hashes", "0.0#", 2.0L, "2,0");
        row("later points ignored", "0.0.0", 1.25L, "1,25");
        row("no integer places", ".00", 0.5L, ",50");
        row("integer before bare point", ".00", 12.345L, "12,35");
        row("point without decimals", "0.", 5.4L, "5");
    }
    void decimalsAndGrouping() { check(); }

    void pointLocaleSeparators() {
        QCOMPARE(formatNumberMask(1234567.891L, u"#,##0.###", point),
                 QStringLiteral("1,234,567.891"));
        QCOMPARE(formatNumberMask(0.25L, u"0.00", point), QStringLiteral("0.25"));
        const NumberFormatSettings noGroup{QLatin1Char('.'), QChar(), QString()};
        QCOMPARE(formatNumberMask(1234567.0L, u"#,##0", noGroup), QStringLiteral("1234567"));
    }

    void literalsAndSections_data() {
        columns();
        row("plain text", "0 cm", 12.0L, "12 cm");
        row("double quotes", "\"x=\"0", 5.0L, "x=5");
        row("single quotes keep mask characters", "0'#0.,;'", 7.0L, "7#0.,;");
        row("unterminated quote", "0'abc", 3.0L, "3abc");
        row("E without sign is text", "0E", 5.0L, "5E");
        row("positive section", "0;(0);\"nul\"", 5.0L, "5");
        row("negative section carries its sign", "0;(0);\"nul\"", -5.0L, "(5)");
        row("zero section", "0;(0);\"nul\"", 0.0L, "nul");
        row("negative rounding to zero", "0;(0);\"nul\"", -0.4L, "nul");
        row("positive rounding to zero", "0;(0);\"nul\"", 0.4L, "nul");
        row("empty negative section falls back", "0;;\"nul\"", -5.0L, "-5");
        row("missing zero section", "0.0;0", -0.04L, "0,0");
        row("negative section precision decides", "0.00;0", -0.3L, "0,00");
        row("fourth section ignored", "0;-0;z;w", 0.0L, "z");
        row("quoted semicolon", "0';'", -2.0L, "-2;");
    }
    void literalsAndSections() { check(); }

    void scientific_data() {
        columns();
        row("E+", "0.00E+00", 1234.5L, "1,23E+03");
        row("E+ negative exponent", "0.00E+00", 0.000123L, "1,23E-04");
        row("E+ zero", "0.00E+00", 0.0L, "0,00E+00");
        row("E+ negative value", "0.00E+00", -1234.5L, "-1,23E+03");
        row("E- hides plus", "0.00E-00", 1234.5L, "1,23E03");
        row("E- shows minus", "0.00E-00", 0.000123L, "1,23E-04");
        row("lower case kept", "0.0e+0", 12345.0L, "1,2e+4");
        row("at most four exponent digits", "0.0E+0000000", 12345.0L, "1,2E+0004");
        row("two integer places", "00.0E+0", 1234.0L, "12,3E+2");
        row("carry into the exponent", "0.0E+0", 9.96L, "1,0E+1");
        row("rounding at the last place", "0.00E+00", 1.235L, "1,24E+00");
        row("beyond 18 integer digits", "0.00E+00", 1.5e30L, "1,50E+30");
        row("exponent without zeros", "0E+", 5.0e12L, "5E+12");
    }
    void scientific() { check(); }

    void generalForm_data() {
        columns();
        row("empty mask", "", 1.5L, "1,5");
        row("empty mask integer", "", 250.0L, "250");
        row("fifteen digits", "", 123456789.123456789L, "123456789,123457");
        row("third", "", 1.0L / 3.0L, "0,333333333333333");
        row("small plain", "", 0.00001L, "0,00001");
        row("smaller scientific", "", 0.000001L, "1E-6");
        row("negative small", "", -2.5e-7L, "-2,5E-7");
        row("large", "", 1e20L, "1E20");
        row("integer part of 19 digits", "0", 1e19L, "1E19");
        row("rounds to 19 digits", "0.00", 999999999999999999.9L, "1E18");
        row("grouped beyond 18 digits", "#,##0", -2.5e21L, "-2,5E21");
        row("empty first section", ";0", 4.0L, "4");
        row("infinity", "0", std::numeric_limits<long double>::infinity(), "INF");
        row("minus infinity", "0", -std::numeric_limits<long double>::infinity(), "-INF");
        row("nan", "0", std::numeric_limits<long double>::quiet_NaN(), "NAN");
    }
    void generalForm() { check(); }

    void systemSettingsAreUsable() {
        const NumberFormatSettings s = NumberFormatSettings::system();
        QVERIFY(!s.decimalSeparator.isNull());
        QVERIFY(s.decimalSeparator != s.thousandsSeparator);
        QCOMPARE(formatNumberMask(0.5L, u"0.0", s),
                 QStringLiteral("0") + s.decimalSeparator + u'5');
    }

private:
    void check() {
        QFETCH(QString, mask);
        QFETCH(long double, value);
        QFETCH(QString, shown);
        QCOMPARE(formatNumberMask(value, mask, comma), shown);
    }
};

QTEST_APPLESS_MAIN(TestNumberMask)
#include "test_numbermask.moc"
