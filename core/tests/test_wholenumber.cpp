#include "wholenumber.h"

#include <QtTest>

class TestWholeNumber : public QObject {
    Q_OBJECT

private slots:
    void conversion_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("leading zeros") << "0042" << true << 42;
        QTest::newRow("leading blank") << " 7" << true << 7;
        QTest::newRow("several blanks") << "   7" << true << 7;
        QTest::newRow("trailing blank") << "7 " << false << 0;
        QTest::newRow("tab is not a blank") << "\t7" << false << 0;
        QTest::newRow("plus") << "+7" << true << 7;
        QTest::newRow("minus zero") << "-0" << true << 0;
        QTest::newRow("minus") << "-5" << true << -5;
        QTest::newRow("two signs") << "--5" << false << 0;
        QTest::newRow("sign alone") << "-" << false << 0;
        QTest::newRow("blank after sign") << "- 5" << false << 0;
        QTest::newRow("largest") << "2147483647" << true << 2147483647;
        QTest::newRow("one above largest") << "2147483648" << false << 0;
        QTest::newRow("smallest") << "-2147483648" << true << int(-2147483647 - 1);
        QTest::newRow("one below smallest") << "-2147483649" << false << 0;
        QTest::newRow("far too long") << "99999999999999999999" << false << 0;
        QTest::newRow("long zeros") << "00000000000000000000000000000001" << true << 1;
        QTest::newRow("dollar hex") << "$10" << true << 16;
        QTest::newRow("0x hex") << "0x10" << true << 16;
        QTest::newRow("0X hex") << "0X1f" << true << 31;
        QTest::newRow("x hex") << "xFF" << true << 255;
        QTest::newRow("X hex") << "XaB" << true << 171;
        QTest::newRow("hex all ones") << "$FFFFFFFF" << true << -1;
        QTest::newRow("hex sign bit") << "$80000000" << true << int(-2147483647 - 1);
        QTest::newRow("hex too long") << "$100000000" << false << 0;
        QTest::newRow("hex leading zeros") << "$000000010" << true << 16;
        QTest::newRow("hex with minus") << "-$10" << false << 0;
        QTest::newRow("hex with plus") << "+$10" << false << 0;
        QTest::newRow("prefix alone") << "$" << false << 0;
        QTest::newRow("0x alone") << "0x" << false << 0;
        QTest::newRow("bad hex digit") << "$1G" << false << 0;
        QTest::newRow("blank before hex") << " $A" << true << 10;
        QTest::newRow("decimal point") << "60,5" << false << 0;
        QTest::newRow("semicolon") << "60;140" << false << 0;
        QTest::newRow("letter") << "x" << false << 0;
        QTest::newRow("digits then letter") << "12a" << false << 0;
        QTest::newRow("double prefix") << "00x1" << false << 0;
        QTest::newRow("full-width digit") << QString(QChar(0xFF11)) << false << 0;
    }

    void conversion() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, value);
        const std::optional<qint32> result = textToInt32(text);
        QCOMPARE(result.has_value(), valid);
        if (valid) QCOMPARE(*result, value);
    }
};

QTEST_APPLESS_MAIN(TestWholeNumber)
#include "test_wholenumber.moc"
