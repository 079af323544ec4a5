#include "numtools.h"
#include "tcolorpalette.h"

#include <limits>
#include <QApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(long double)

namespace {
const NumberFormatSettings comma{QLatin1Char(','), QLatin1Char(' '), QStringLiteral("€")};
const NumberFormatSettings point{QLatin1Char('.'), QLatin1Char(','), QStringLiteral("$")};

QFont testFont() {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(13);
    return f;
}

// Pixels of image that differ from background inside area.
QRect inkBox(const QImage& image, QColor background, QRect area) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != background.rgb()) box |= QRect(x, y, 1, 1);
    return box;
}

QImage rendered(QWidget& w) {
    QImage image(w.size(), QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    w.render(&image);
    return image;
}
} // namespace

class TestNumLabel : public QObject {
    Q_OBJECT
private slots:
    void newFieldShowsTwoDecimals_data() {
        QTest::addColumn<char>("separator");
        QTest::newRow("comma locale") << ',';
        QTest::newRow("point locale") << '.';
    }
    void newFieldShowsTwoDecimals() {
        QFETCH(char, separator);
        const NumberFormatSettings s = separator == ',' ? comma : point;
        TNumLabel f(nullptr, s);
        QCOMPARE(f.text(), QStringLiteral("0") + QLatin1Char(separator) + QStringLiteral("00"));
        QCOMPARE(f.Mask(), f.text());
        QCOMPARE(f.Decimals(), quint16(2));
        QCOMPARE(f.Value(), 0.0L);
        QCOMPARE(f.NumericType(), ntGeneral);
        QVERIFY(f.UseRounding());
        QVERIFY(!f.isEnabled());
        QCOMPARE(f.Color(), clBtnFace);
        QCOMPARE(f.BorderStyle(), bsSingle);
        QCOMPARE(f.Alignment(), taRightJustify);
        QCOMPARE(f.width(), 85);
    }

    void programLoadingSequence() {
        TNumLabel f(nullptr, comma);
        f.SetDecimals(0);
        QCOMPARE(f.Mask(), QStringLiteral("0,"));
        QCOMPARE(f.text(), QStringLiteral("0"));
        TNumLabel g(nullptr, comma);
        g.applyProgramFieldSettings();
        QCOMPARE(g.Mask(), QStringLiteral("0"));
        QCOMPARE(g.Decimals(), quint16(0));
        QCOMPARE(g.text(), QStringLiteral("0"));
        QVERIFY(g.UseRounding());
    }

    void programFieldShowsWholeNumbers_data() {
        QTest::addColumn<long double>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("12.5") << 12.5L << "13";
        QTest::newRow("13.5") << 13.5L << "14";
        QTest::newRow("-12.5") << -12.5L << "-13";
        QTest::newRow("-0.4") << -0.4L << "0";
        QTest::newRow("0.5") << 0.5L << "1";
        QTest::newRow("no grouping") << 1234567.0L << "1234567";
        QTest::newRow("arc length") << 219.9114857512855266L << "220";
    }
    void programFieldShowsWholeNumbers() {
        QFETCH(long double, value);
        QFETCH(QString, shown);
        TNumLabel f(nullptr, comma);
        f.applyProgramFieldSettings();
        f.SetValue(value);
        QCOMPARE(f.text(), shown);
        QCOMPARE(f.Value(), value); // the number written, not the rounded text
    }

    void maskWriter_data() {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<long double>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("point becomes comma") << "0.00"
                                             << "0,00" << 2 << 3.14159L << "3,14";
        QTest::newRow("exponent") << "0.00e+00"
                                  << "0,00E+00" << 2 << 1234.5L << "1,23E+03";
        QTest::newRow("comma written directly") << "0,00"
                                                << "0,00" << 2 << 2.5L << "2,50";
        QTest::newRow("no separator") << "0"
                                      << "0" << 0 << 2.5L << "3";
        QTest::newRow("cut to 25") << "0.0000000000000000000000000000"
                                   << "0," + QString(23, QLatin1Char('0')) << 23 << 1.0L / 3
                                   << "0," + QString(18, QLatin1Char('3')) + "00000";
        QTest::newRow("trailing text counts") << "0.00 cm"
                                              << "0,00 cm" << 5 << 2.5L << "2,50 cm";
        QTest::newRow("grouping in a comma locale") << "#,##0.00"
                                                    << "#,##0,00" << 2 << 1234.5L << "1 234,50";
        QTest::newRow("empty mask") << ""
                                    << "" << 0 << 2.5L << "2,5";
        QTest::newRow("quoted E before the point") << "'E'0.00"
                                                   << "'E'0,00" << 2 << 1.5L << "E1,50";
        QTest::newRow("only the first point") << "0.0.0"
                                              << "0,0.0" << 3 << 1.25L << "1,25";
    }
    void maskWriter() {
        QFETCH(QString, written);
        QFETCH(QString, stored);
        QFETCH(int, decimals);
        QFETCH(long double, value);
        QFETCH(QString, shown);
        TNumLabel f(nullptr, comma);
        f.SetValue(value);
        f.SetMask(written);
        QCOMPARE(f.Mask(), stored);
        QCOMPARE(int(f.Decimals()), decimals);
        QCOMPARE(f.text(), shown);
    }

    void decimalsWriter_data() {
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("request");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<int>("decimals");
        QTest::newRow("0") << "0.00" << 0 << "0," << 0;
        QTest::newRow("3") << "0.00" << 3 << "0,000" << 3;
        QTest::newRow("keeps the exponent") << "0.00E+00" << 3 << "0,000E+00" << 3;
        QTest::newRow("20 gives 18 zeros") << "0.00" << 20 << "0," + QString(18, u'0') << 18;
        QTest::newRow("21 refused") << "0.00" << 21 << "0,00" << 2;
        QTest::newRow("19 on 18 zeros reads back 18")
            << "0." + QString(18, u'0') << 19 << "0," + QString(18, u'0') << 18;
        QTest::newRow("quoted E before the point") << "'E'0.00" << 3 << "'E'0,000" << 3;
        QTest::newRow("no separator keeps the mask") << "0" << 4 << "0" << 4;
        QTest::newRow("text after the decimals dropped") << "0.00 cm" << 1 << "0,0" << 1;
        QTest::newRow("grouping kept") << "#,##0.00" << 1 << "#,##0,0" << 1;
    }
    void decimalsWriter() {
        QFETCH(QString, written);
        QFETCH(int, request);
        QFETCH(QString, mask);
        QFETCH(int, decimals);
        TNumLabel f(nullptr, comma);
        f.SetMask(written);
        f.SetDecimals(quint16(request));
        QCOMPARE(f.Mask(), mask);
        QCOMPARE(int(f.Decimals()), decimals);
    }

    void decimalsRefreshTheText() {
        TNumLabel f(nullptr, comma);
        f.SetMask(QStringLiteral("#,##0.00"));
        f.SetValue(1234.56L);
        f.SetDecimals(1);
        QCOMPARE(f.text(), QStringLiteral("1 234,6"));
        f.SetDecimals(3);
        QCOMPARE(f.text(), QStringLiteral("1 234,560"));
    }

    void numericType_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<long double>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("percentage") << int(ntPercentage) << 0.256L << "26%";
        QTest::newRow("currency") << int(ntCurrency) << 12.0L << "12€";
        QTest::newRow("general") << int(ntGeneral) << 0.256L << "0";
    }
    void numericType() {
        QFETCH(int, type);
        QFETCH(long double, value);
        QFETCH(QString, shown);
        TNumLabel f(nullptr, comma);
        f.applyProgramFieldSettings();
        f.SetValue(value);
        f.SetNumericType(TNumericType(type));
        QCOMPARE(f.text(), shown);
    }

    void writingTheSameRaisesNothing() {
        TNumLabel f(nullptr, comma);
        f.applyProgramFieldSettings();
        QSignalSpy changed(&f, &QLineEdit::textChanged);
        f.SetValue(5);
        f.SetValue(5);
        QCOMPARE(changed.count(), 1);
        f.SetValue(5.2L); // a new value showing the same text
        f.SetMask(QStringLiteral("0"));
        f.SetDecimals(0);
        f.SetNumericType(ntGeneral);
        f.SetUseRounding(false);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(f.text(), QStringLiteral("5"));
        f.SetNumericType(ntPercentage);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(f.text(), QStringLiteral("520%"));
    }

    void accessors_data() {
        QTest::addColumn<long double>("value");
        QTest::addColumn<bool>("rounding");
        QTest::addColumn<int>("smallInt");
        QTest::addColumn<int>("integer");
        QTest::addColumn<double>("asFloat");
        QTest::addColumn<double>("rounded");
        QTest::newRow("2.7 truncated") << 2.7L << false << 2 << 2 << 2.7 << 3.0;
        QTest::newRow("2.5 to even") << 2.5L << true << 2 << 2 << 2.5 << 2.0;
        QTest::newRow("3.5 to even") << 3.5L << true << 4 << 4 << 3.5 << 4.0;
        QTest::newRow("-2.5 to even") << -2.5L << true << -2 << -2 << -2.5 << -2.0;
        QTest::newRow("-2.7 truncated") << -2.7L << false << -2 << -2 << -2.7 << -3.0;
        QTest::newRow("32767 excluded") << 32767.0L << true << 0 << 32767 << 32767.0 << 32767.0;
        QTest::newRow("-32768 excluded")
            << -32768.0L << true << 0 << -32768 << -32768.0 << -32768.0;
        QTest::newRow("just inside 16 bits")
            << 32766.6L << true << 32767 << 32767 << 32766.6 << 32767.0;
        QTest::newRow("2147483647 excluded")
            << 2147483647.0L << true << 0 << 0 << 2147483647.0 << 2147483647.0;
        QTest::newRow("-2147483647 excluded")
            << -2147483647.0L << true << 0 << 0 << -2147483647.0 << -2147483647.0;
        QTest::newRow("32-bit tie to even")
            << 2147483645.5L << true << 0 << 2147483646 << 2147483645.5 << 2147483646.0;
        QTest::newRow("1.7E38 excluded") << 1.7E38L << true << 0 << 0 << 0.0 << 1.7E38;
        QTest::newRow("1.7E308 excluded") << 1.7E308L << true << 0 << 0 << 0.0 << 0.0;
        QTest::newRow("NaN") << std::numeric_limits<long double>::quiet_NaN() << true << 0 << 0
                             << 0.0 << 0.0;
    }
    void accessors() {
        QFETCH(long double, value);
        QFETCH(bool, rounding);
        QFETCH(int, smallInt);
        QFETCH(int, integer);
        QFETCH(double, asFloat);
        QFETCH(double, rounded);
        TNumLabel f(nullptr, comma);
        f.SetValue(value);
        f.SetUseRounding(rounding);
        QCOMPARE(int(f.GetAsSmallInt()), smallInt);
        QCOMPARE(int(f.GetAsInteger()), integer);
        QCOMPARE(f.GetAsFloat(), asFloat);
        QCOMPARE(f.GetRoundedFloat(), rounded);
    }

    void useRoundingLeavesTheText() {
        TNumLabel f(nullptr, comma);
        f.applyProgramFieldSettings();
        f.SetValue(2.7L);
        f.SetUseRounding(false);
        QCOMPARE(f.text(), QStringLiteral("3"));
        QCOMPARE(f.GetAsInteger(), 2);
    }

    void filterNumberText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("allowed");
        QTest::addColumn<QString>("plain");
        QTest::newRow("leading minus") << "-12,5"
                                       << "0123456789,"
                                       << "-12,5";
        QTest::newRow("trailing minus") << "12-"
                                        << "0123456789"
                                        << "-12";
        QTest::newRow("exponent sign kept") << "1,23E+03"
                                            << "0123456789,"
                                            << "1,23E+03";
        QTest::newRow("sign before E dropped") << "+1E5"
                                               << "0123456789"
                                               << "1E5";
        QTest::newRow("E first dropped") << "E5"
                                         << "0123456789"
                                         << "5";
        QTest::newRow("letters dropped") << "a1b2"
                                         << "0123456789"
                                         << "12";
        QTest::newRow("group blanks") << "1 234,5 €"
                                      << "0123456789,"
                                      << "1234,5";
        QTest::newRow("empty") << ""
                               << "0123456789"
                               << "";
    }
    void filterNumberText() {
        QFETCH(QString, text);
        QFETCH(QString, allowed);
        QFETCH(QString, plain);
        QCOMPARE(TCustomNumLabel::FilterNumberText(text, allowed), plain);
    }

    void plainText() {
        TNumLabel f(nullptr, comma);
        f.SetMask(QStringLiteral("#,##0.00"));
        f.SetNumericType(ntCurrency);
        f.SetValue(-1234.5L);
        QCOMPARE(f.text(), QStringLiteral("-1 234,50€"));
        QCOMPARE(f.GetPlainText(), QStringLiteral("-1234,50"));
        f.UnformatText();
        QCOMPARE(f.text(), QStringLiteral("-1 234,50"));
        f.applyProgramFieldSettings();
        f.SetNumericType(ntGeneral);
        f.SetValue(-0.4L);
        QCOMPARE(f.text(), QStringLiteral("0"));
        QCOMPARE(f.GetPlainText(), QStringLiteral("-0"));
    }

    void paintWithoutBorderTouchesTopRight_data() {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QString>("text");
        QTest::newRow("right") << int(taRightJustify) << "1234";
        QTest::newRow("right, wider than the field") << int(taRightJustify) << "888888888888";
        QTest::newRow("centre") << int(taCenter) << "47";
    }
    void paintWithoutBorderTouchesTopRight() {
        QFETCH(int, alignment);
        QFETCH(QString, text);
        TNumLabel f(nullptr, comma);
        f.setFont(testFont());
        f.SetBorderStyle(bsNone);
        f.SetColor(clSilver);
        f.SetAlignment(TAlignment(alignment));
        f.resize(60, 22);
        f.setText(text);
        QPalette pal = f.palette();
        pal.setColor(QPalette::Active, QPalette::Text, Qt::black);
        pal.setColor(QPalette::Disabled, QPalette::Text, Qt::red);
        f.setPalette(pal);

        const QImage image = rendered(f);
        QImage expected(60, 22, QImage::Format_ARGB32);
        expected.fill(QColor(192, 192, 192));
        {
            QPainter p(&expected);
            p.setFont(f.font());
            p.setPen(Qt::black);
            const int w = QFontMetrics(f.font()).horizontalAdvance(text);
            const int x = alignment == taCenter ? (60 - w) / 2 : 60 - w;
            p.drawText(x, QFontMetrics(f.font()).ascent(), text);
        }
        QCOMPARE(image, expected);
        const QRect ink = inkBox(image, QColor(192, 192, 192), image.rect());
        QVERIFY(ink.isValid());
        QVERIFY(ink.top() <= 3);
        if (alignment == taRightJustify) QVERIFY(ink.right() >= 57);
    }

    void paintWithSingleBorder_data() {
        QTest::addColumn<int>("alignment");
        QTest::newRow("right") << int(taRightJustify);
        QTest::newRow("centre") << int(taCenter);
    }
    void paintWithSingleBorder() {
        QFETCH(int, alignment);
        TNumLabel f(nullptr, comma);
        f.setFont(testFont());
        f.SetColor(clSilver);
        f.SetAlignment(TAlignment(alignment));
        f.SetAutoSize(false);
        f.resize(60, 22);
        f.setText(QStringLiteral("47"));
        QPalette pal = f.palette();
        pal.setColor(QPalette::Active, QPalette::Text, Qt::black);
        pal.setColor(QPalette::Disabled, QPalette::Text, Qt::red);
        f.setPalette(pal);
        const int m = f.TextMargin();
        QVERIFY(m > 0);

        const QImage image = rendered(f);
        const QColor frame = toQColor(clWindowFrame, f.palette());
        // The one-pixel frame just inside the edit's own 2-pixel border.
        for (int x = 2; x <= 57; ++x) {
            QCOMPARE(image.pixel(x, 2), frame.rgb());
            QCOMPARE(image.pixel(x, 19), frame.rgb());
        }
        for (int y = 2; y <= 19; ++y) {
            QCOMPARE(image.pixel(2, y), frame.rgb());
            QCOMPARE(image.pixel(57, y), frame.rgb());
        }
        // The text inset by the margin: client area 56 x 18 at (2, 2), inner
        // frame [1, 55), so x = 55 - width - m (right) and y = m.
        QImage expected(60, 22, QImage::Format_ARGB32);
        expected.fill(QColor(192, 192, 192));
        {
            QPainter p(&expected);
            p.setFont(f.font());
            p.setPen(Qt::black);
            const int w = QFontMetrics(f.font()).horizontalAdvance(QStringLiteral("47"));
            const int x = alignment == taCenter ? (1 + 55 - w) / 2 : 55 - w - m;
            p.drawText(2 + x, 2 + m + QFontMetrics(f.font()).ascent(), QStringLiteral("47"));
        }
        const QRect inner(3, 3, 54, 16);
        for (int y = inner.top(); y <= inner.bottom(); ++y)
            for (int x = inner.left(); x <= inner.right(); ++x)
                QCOMPARE(image.pixel(x, y), expected.pixel(x, y));
        const QRect ink = inkBox(image, QColor(192, 192, 192), inner);
        QVERIFY(ink.isValid() && ink.width() < inner.width());
    }

    void focusedFieldPaintsAsPlainEdit() {
        TCustomStrEdit e;
        e.setText(QStringLiteral("12"));
        e.show();
        QApplication::setActiveWindow(&e);
        QVERIFY(QTest::qWaitForWindowActive(&e));
        e.setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(e.hasFocus());
        QCOMPARE(e.Alignment(), taLeftJustify);
        QCOMPARE(e.SavedAlignment(), taRightJustify);
        QCOMPARE(e.selectedText(), QStringLiteral("12"));
        e.clearFocus();
        QCOMPARE(e.Alignment(), taRightJustify);
    }

    void disabledFieldNeverTakesTheFocus() {
        TNumLabel f(nullptr, comma);
        f.show();
        QApplication::setActiveWindow(&f);
        f.setFocus();
        QVERIFY(!f.hasFocus());
        QCOMPARE(f.Alignment(), taRightJustify);
    }

    void marginAndAutoSize() {
        TNumLabel f(nullptr, comma);
        f.setFont(testFont());
        const int margin = f.TextMargin();
        QFont big = testFont();
        big.setPixelSize(40);
        f.setFont(big);
        QCOMPARE(f.TextMargin(), margin); // computed at construction only
        QCOMPARE(f.height(), QFontMetrics(big).height() + 8);
        f.SetBorderStyle(bsNone);
        f.resize(60, 13);
        f.setFont(testFont());
        QCOMPARE(f.height(), 13);
    }
};

QTEST_MAIN(TestNumLabel)
#include "test_numlabel.moc"
